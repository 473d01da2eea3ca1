#include "SettingsStore.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QSettings OpenStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tilewise"),
                     QStringLiteral("Tilewise"));
}

QString Path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    QSettings store = OpenStore();
    store.sync(); // pick up writes made by another running copy
    return store.value(Path(section, key), defaultValue).toString();
}

bool SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
    QSettings store = OpenStore();
    store.setValue(Path(section, key), value);
    store.sync();
    switch (store.status()) {
    case QSettings::NoError:
        error_.clear();
        return true;
    case QSettings::AccessError: {
        const QFileInfo file(store.fileName());
        error_ = QStringLiteral("The file %1 cannot be written.").arg(store.fileName());
        if (file.exists() && !file.isWritable()) {
            error_ = QStringLiteral("The file %1 is read-only.").arg(store.fileName());
        }
        return false;
    }
    case QSettings::FormatError:
        error_ = QStringLiteral("The file %1 is damaged.").arg(store.fileName());
        return false;
    }
    return true;
}

QString SettingsStore::FileName() const {
    return OpenStore().fileName();
}

#include "SettingsStore.h"

#include <QDateTime>
#include <QFile>
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

// Another running copy re-reads the file only when its size or its time of
// change (in whole milliseconds) differs from what it read last. A write of
// the same size within the same millisecond, or after the clock was set
// back, would go unseen, and that copy would later write its stale values
// back. So every write moves the time of change past the one before it.
void MoveChangeTimePast(const QString& fileName, const QDateTime& before) {
    if (!before.isValid() || QFileInfo(fileName).lastModified() > before) {
        return;
    }
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly)) {
        file.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
    }
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
    const QString path = Path(section, key);
    const QVariant previous = store.value(path);
    const QDateTime before = QFileInfo(store.fileName()).lastModified();
    store.setValue(path, value);
    store.sync();
    const QSettings::Status status = store.status();
    if (status != QSettings::NoError) {
        // QSettings keeps the unsaved value in memory, where every later read
        // in this run would find it. Put back what the file holds.
        if (previous.isValid()) {
            store.setValue(path, previous);
        } else {
            store.remove(path);
        }
    }
    switch (status) {
    case QSettings::NoError:
        MoveChangeTimePast(store.fileName(), before);
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

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

SettingsStore::SettingsStore() = default;
SettingsStore::~SettingsStore() = default;

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    if (batch_) {
        return batch_->value(Path(section, key), defaultValue).toString();
    }
    QSettings store = OpenStore();
    store.sync(); // pick up writes made by another running copy
    return store.value(Path(section, key), defaultValue).toString();
}

bool SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
    const QString path = Path(section, key);
    if (batch_) {
        batchPrevious_.append({path, batch_->value(path)});
        batch_->setValue(path, value);
        return true;
    }
    QSettings store = OpenStore();
    const QList<QPair<QString, QVariant>> previous{{path, store.value(path)}};
    store.setValue(path, value);
    return Flush(store, previous);
}

void SettingsStore::BeginBatch() {
    batch_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                         QStringLiteral("Tilewise"), QStringLiteral("Tilewise"));
    batch_->sync(); // read what other copies wrote before the caller's lock
    batchPrevious_.clear();
}

bool SettingsStore::CommitBatch() {
    if (!batch_) {
        return true;
    }
    const bool written = Flush(*batch_, batchPrevious_);
    batch_.reset();
    batchPrevious_.clear();
    return written;
}

bool SettingsStore::Flush(QSettings& store, const QList<QPair<QString, QVariant>>& previous) {
    const QDateTime before = QFileInfo(store.fileName()).lastModified();
    store.sync();
    const QSettings::Status status = store.status();
    if (status != QSettings::NoError) {
        // QSettings keeps the unsaved values in memory, where every later read
        // in this run would find them. Put back what the file holds, the
        // oldest value of a key written twice last.
        for (auto it = previous.crbegin(); it != previous.crend(); ++it) {
            if (it->second.isValid()) {
                store.setValue(it->first, it->second);
            } else {
                store.remove(it->first);
            }
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

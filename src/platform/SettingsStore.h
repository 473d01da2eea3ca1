#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

// The per-user settings store: text values by section and key, kept in
// $XDG_CONFIG_HOME/Tilewise/Tilewise.ini. Every call goes to the file, so
// two running copies see each other's writes.
class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // A batch reads the file once, keeps its writes in memory, where its own
    // reads see them, and writes the file once at CommitBatch: one disk sync
    // instead of one per value. Meant for a caller that holds a lock, so no
    // other copy writes in between.
    void BeginBatch();
    // Returns false, with Error() telling why, when the file could not be
    // written; then none of the batch's values stays in effect.
    bool CommitBatch();

    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue) const;

    // Writes and flushes the value. Returns false, with Error() telling why,
    // when the file could not be written.
    bool SaveSetting(const QString& section, const QString& key, const QString& value);

    QString FileName() const;
    QString Error() const { return error_; }

private:
    bool Flush(QSettings& store, const QList<QPair<QString, QVariant>>& previous);

    std::unique_ptr<QSettings> batch_;
    QList<QPair<QString, QVariant>> batchPrevious_; // what the batch's keys held before
    QString error_;
};

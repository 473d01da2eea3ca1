#pragma once

#include <QString>

// The per-user settings store: text values by section and key, kept in
// $XDG_CONFIG_HOME/Tilewise/Tilewise.ini. Every call goes to the file, so
// two running copies see each other's writes.
class SettingsStore {
public:
    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue) const;

    // Writes and flushes the value. Returns false, with Error() telling why,
    // when the file could not be written.
    bool SaveSetting(const QString& section, const QString& key, const QString& value);

    QString FileName() const;
    QString Error() const { return error_; }

private:
    QString error_;
};

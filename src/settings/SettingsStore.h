#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>
#include <functional>

// The values of the settings file, by section and key. Values of a kind the
// game never writes are kept as they are.
class SettingsValues {
public:
    SettingsValues() = default;
    explicit SettingsValues(QMap<QString, QVariant> values) : values_(std::move(values)) {}

    QString get(const QString& section, const QString& key,
                const QString& fallback = QString()) const;
    void set(const QString& section, const QString& key, const QString& value);
    const QMap<QString, QVariant>& all() const { return values_; }

private:
    QMap<QString, QVariant> values_; // by "section/key"
};

// The per-user settings file (INI, as QSettings writes it): preferences and
// high scores. Every read goes to the file, so two running copies see each
// other's writes. A write never leaves a half-written file: the new content
// is written beside the old one, read back and compared, flushed to disk, and
// only then renamed over it. A write that cannot finish leaves the old file
// byte for byte as it was.
class SettingsStore {
public:
    explicit SettingsStore(QString fileName);

    // The player's file, $XDG_CONFIG_HOME/Tilewise/Tilewise.ini: where
    // QSettings keeps the INI file of the organisation and application
    // "Tilewise". Named without a QSettings object, which would read it.
    static QString userFile();

    QString fileName() const { return fileName_; }

    // The file's values as they are on disk now.
    SettingsValues read() const;

    // Under the lock beside the file (waited for a few seconds at most),
    // reads the values afresh, lets `change` edit them and writes them back;
    // `change` returns false to write nothing. Returns false, with error()
    // saying why for the player, when the file could not be written.
    bool update(const std::function<bool(SettingsValues&)>& change);
    QString error() const { return error_; }

    // When the file is damaged (text QSettings cannot read whole), copies it
    // to "<file>.bad-YYYYMMDD-HHMMSS" beside it, once per damaged content,
    // so that writing over it loses nothing. Returns the copy's path when
    // one was made. `values`, when given, receives what the file holds: the
    // start-up reads the file once.
    QString keepDamagedCopy(SettingsValues* values = nullptr);

    // For tests: runs on each new copy of the file once it is written and
    // before it is checked, to leave it as a failing disk would.
    void setWriteHook(std::function<void(const QString& written)> hook) {
        writeHook_ = std::move(hook);
    }

private:
    bool write(const SettingsValues& values);
    QString keepCopy(const QByteArray& bytes);
    bool fail(const QString& error);

    QString fileName_;
    QString error_;
    QByteArray damagedCopyKept_; // the damaged content already copied
    std::function<void(const QString&)> writeHook_;
};

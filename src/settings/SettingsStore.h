#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QVariant>
#include <functional>

class QLockFile;

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
// byte for byte as it was. Every copy, even one made only to read the file,
// is made beside it: never in $TMPDIR.
//
// Only a plain file is read or written: through links, the file at the end
// of the chain, which keeps its owner and mode. A file of more than
// kMaxBytes, or anything else at its name (a FIFO, a device, a link to one),
// is not read at all.
class SettingsStore {
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    // Far beyond what the game writes: 28 tables of ten names as long as a
    // line edit takes (32767 characters), each written escaped.
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

    explicit SettingsStore(QString fileName);

    // The player's file, $XDG_CONFIG_HOME/Tilewise/Tilewise.ini: where
    // QSettings keeps the INI file of the organisation and application
    // "Tilewise". Named without a QSettings object, which would read it.
    static QString userFile();

    QString fileName() const { return fileName_; }

    // The file's values as they are on disk now.
    SettingsValues read() const;

    // Under the lock beside the file (waited for a few seconds at most),
    // reads the values afresh, leaves out those that would not write back
    // the same (keeping a copy of the damaged file first), lets `change`
    // edit them and writes them back; `change` returns false to write
    // nothing. Returns false, with error() saying why for the player, when
    // the file could not be checked or written.
    bool update(const std::function<bool(SettingsValues&)>& change);
    QString error() const { return error_; }

    // What the start-up found at the file's name.
    enum class Problem {
        None,
        Damaged,    // text QSettings cannot read whole
        NotPlain,   // not a plain file, or over kMaxBytes
        Unreadable, // the system refuses to read it
    };
    struct StartUp {
        SettingsValues values; // what could be read
        Problem problem = Problem::None;
        // Damaged: the copy kept beside it, "<file>.bad-YYYYMMDD-HHMMSS", so
        // that writing over it loses nothing. NotPlain: the new name of what
        // was moved aside, so that a plain file can be written in its place.
        // Empty when nothing could be kept.
        QString keptAs;
        QString reason; // Unreadable: the system's reason, or why it cannot be checked
    };
    // Reads the file once, at start-up, and keeps a damaged one aside (once
    // per damaged content).
    StartUp startUp();

    // For tests: runs on each copy of the file a save writes, once it is
    // written and before it is checked, to leave it as a failing disk would.
    void setWriteHook(std::function<void(const QString& written)> hook) {
        writeHook_ = std::move(hook);
    }

private:
    bool lock(QLockFile& held);
    bool write(const SettingsValues& values, const QString& target);
    QString keepCopy(const QByteArray& bytes);
    QString moveAside();
    QString asideName() const;
    bool fail(const QString& error);

    QString fileName_;
    QString error_;
    QByteArray damagedCopyKept_; // the damaged content already copied
    std::function<void(const QString&)> writeHook_;
};

#include "SettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// A copy that holds the lock only ever writes one small file; one that
// waits this long has met a lock that no working copy holds.
constexpr int kLockWaitMs = 3000;

QString path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Lines that give a key a value: what QSettings should find again.
int keyLines(const QByteArray& bytes) {
    int count = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray text = line.trimmed();
        if (!text.isEmpty() && !text.startsWith(';') && !text.startsWith('[') &&
            text.contains('=')) {
            ++count;
        }
    }
    return count;
}

struct Content {
    bool readable = false;
    bool malformed = false;
    QByteArray bytes;
    QMap<QString, QVariant> values;
};

// The file as QSettings reads it. QSettings keeps a process-wide cache of
// the files it has read and re-reads one only when its size or its time of
// change differs; file systems keep those times in ticks of several
// milliseconds, so a rewrite of the same size could go unseen. A private
// copy is always read afresh. A damaged file is one QSettings reports as
// malformed, or one that gives fewer keys than it has key lines (an
// unterminated quote swallows the lines after it).
Content load(const QString& fileName) {
    Content content;
    QFile file(fileName);
    if (!QFileInfo::exists(fileName)) {
        content.readable = true;
        return content;
    }
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        return content;
    }
    content.bytes = file.readAll();
    QTemporaryFile copy;
    if (!copy.open() || copy.write(content.bytes) != content.bytes.size() || !copy.flush()) {
        return content;
    }
    copy.close();
    const QSettings parsed(copy.fileName(), QSettings::IniFormat);
    const QStringList keys = parsed.allKeys();
    for (const QString& key : keys) {
        content.values.insert(key, parsed.value(key));
    }
    content.readable = parsed.status() != QSettings::AccessError;
    content.malformed =
        parsed.status() == QSettings::FormatError || keyLines(content.bytes) != keys.size();
    return content;
}

} // namespace

QString SettingsValues::get(const QString& section, const QString& key,
                            const QString& fallback) const {
    return values_.value(path(section, key), fallback).toString();
}

void SettingsValues::set(const QString& section, const QString& key, const QString& value) {
    values_.insert(path(section, key), value);
}

SettingsStore::SettingsStore(QString fileName) : fileName_(std::move(fileName)) {}

QString SettingsStore::userFile() {
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/Tilewise/Tilewise.ini"));
}

SettingsValues SettingsStore::read() const {
    return SettingsValues(load(fileName_).values);
}

bool SettingsStore::fail(const QString& error) {
    error_ = error;
    return false;
}

bool SettingsStore::update(const std::function<bool(SettingsValues&)>& change) {
    const QFileInfo info(fileName_);
    if (!QDir().mkpath(info.absolutePath())) {
        return fail(QStringLiteral("The folder %1 cannot be created.").arg(info.absolutePath()));
    }
    if (info.isDir()) {
        return fail(QStringLiteral("%1 is a folder, not a settings file.").arg(fileName_));
    }
    if (info.exists() && !info.isWritable()) {
        return fail(QStringLiteral("The file %1 is read-only.").arg(fileName_));
    }
    QLockFile lock(fileName_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        return fail(
            lock.error() == QLockFile::LockFailedError
                ? QStringLiteral("Its lock %1.lock is held by another program.").arg(fileName_)
                : QStringLiteral("Its lock %1.lock cannot be made.").arg(fileName_));
    }
    const Content current = load(fileName_);
    if (!current.readable) {
        return fail(QStringLiteral("The file %1 cannot be read.").arg(fileName_));
    }
    if (current.malformed && damagedCopyKept_ != current.bytes &&
        keepCopy(current.bytes).isEmpty()) {
        return fail(QStringLiteral("The file %1 is damaged, and no copy of it can be kept.")
                        .arg(fileName_));
    }
    SettingsValues values(current.values);
    error_.clear();
    return !change(values) || write(values);
}

bool SettingsStore::write(const SettingsValues& values) {
    const QFileInfo info(fileName_);
    // A linked settings file stays a link: its target is what gets replaced.
    const QString target = info.isSymLink() ? info.symLinkTarget() : fileName_;
    const QString cannot = QStringLiteral("The file %1 cannot be written (%2).");
    // Beside the target, so that the rename stays on one file system.
    QTemporaryFile temp(target + QStringLiteral(".XXXXXX"));
    if (!temp.open()) {
        return fail(cannot.arg(fileName_, temp.errorString()));
    }
    temp.close();
    {
        QSettings out(temp.fileName(), QSettings::IniFormat);
        for (auto it = values.all().cbegin(); it != values.all().cend(); ++it) {
            out.setValue(it.key(), it.value());
        }
        out.sync();
        if (out.status() != QSettings::NoError) {
            return fail(cannot.arg(fileName_, QStringLiteral("the new content was not written")));
        }
    }
    if (writeHook_) {
        writeHook_(temp.fileName());
    }
    // QSettings reports success even when the disk filled up under it: only
    // what reads back whole may replace the old file.
    const Content written = load(temp.fileName());
    if (written.malformed || written.values != values.all()) {
        return fail(cannot.arg(fileName_, QStringLiteral("the disk may be full")));
    }
    if (QFileInfo::exists(target)) {
        QFile::setPermissions(temp.fileName(), QFile::permissions(target));
    }
    QFile flushed(temp.fileName());
    if (!flushed.open(QIODevice::ReadOnly) || ::fsync(flushed.handle()) != 0) {
        return fail(cannot.arg(fileName_, systemError()));
    }
    flushed.close();
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        return fail(cannot.arg(fileName_, systemError()));
    }
    return true;
}

QString SettingsStore::keepDamagedCopy(SettingsValues* values) {
    const Content current = load(fileName_);
    if (values != nullptr) {
        *values = SettingsValues(current.values);
    }
    return current.malformed ? keepCopy(current.bytes) : QString();
}

QString SettingsStore::keepCopy(const QByteArray& bytes) {
    if (bytes == damagedCopyKept_) {
        return QString();
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = fileName_ + QStringLiteral(".bad-") + stamp;
    for (int n = 0; n < 10; ++n) {
        const QString copy = n == 0 ? base : base + QStringLiteral("-%1").arg(n);
        if (QFileInfo::exists(copy)) {
            continue;
        }
        QFile file(copy);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()) {
            damagedCopyKept_ = bytes;
            return copy;
        }
        file.remove();
        return QString();
    }
    return QString();
}

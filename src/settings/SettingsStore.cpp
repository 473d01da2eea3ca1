#include "SettingsStore.h"

#include "IniText.h"
#include "PlainFile.h"
#include "SettingsFiles.h"

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

struct Content {
    PlainFile::State state = PlainFile::State::Missing;
    QString problem; // why it was not read
    QByteArray bytes;
    IniText text;
};

// The settings' own copies: beside the file at the end of the links, named
// as a save names its new file, so that what a killed run left is removed.
QString copiesOf(const QString& target) {
    return target + QStringLiteral(".saving-XXXXXX");
}

Content load(const QString& fileName, const QString& copies) {
    Content content;
    PlainFile file(fileName, SettingsStore::kMaxBytes);
    content.state = file.state();
    content.problem = file.problem();
    content.bytes = file.readAll();
    if (file.isOpen()) {
        content.text = IniText::parse(content.bytes, copies);
        if (!content.text.unchecked.isEmpty()) {
            content.state = PlainFile::State::Unreadable;
            content.problem = content.text.unchecked;
        }
    }
    return content;
}

bool moved(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
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
    return SettingsValues(
        load(fileName_, copiesOf(SettingsFiles::finalTarget(fileName_))).text.values);
}

bool SettingsStore::fail(const QString& error) {
    error_ = error;
    return false;
}

// A lock that is not a plain file (a FIFO would block QLockFile's read of it
// for good) fails at once.
bool SettingsStore::lock(QLockFile& held) {
    const QString name = fileName_ + QStringLiteral(".lock");
    if (!SettingsFiles::plainOrAbsent(name)) {
        //: Why the settings were not saved; %1: the lock file beside the settings file
        return fail(tr("Its lock %1 is not a plain file.").arg(name));
    }
    if (!held.tryLock(kLockWaitMs)) {
        return fail(held.error() == QLockFile::LockFailedError
                        ? tr("Its lock %1 is held by another program.").arg(name)
                        : tr("Its lock %1 cannot be made.").arg(name));
    }
    return true;
}

bool SettingsStore::update(const std::function<bool(SettingsValues&)>& change) {
    const QString folder = QFileInfo(fileName_).absolutePath();
    if (!QDir().mkpath(folder)) {
        return fail(tr("The folder %1 cannot be created.").arg(folder));
    }
    const QString target = SettingsFiles::finalTarget(fileName_);
    const QFileInfo info(target);
    if (info.isDir()) {
        return fail(tr("%1 is a folder, not a settings file.").arg(fileName_));
    }
    if (info.exists() && !info.isReadable()) {
        return fail(tr("The file %1 cannot be read.").arg(fileName_));
    }
    if (info.exists() && !info.isWritable()) {
        return fail(tr("The file %1 is read-only.").arg(fileName_));
    }
    QLockFile held(fileName_ + QStringLiteral(".lock"));
    if (!lock(held)) {
        return false;
    }
    const Content current = load(target, copiesOf(target));
    if (current.state != PlainFile::State::Open && current.state != PlainFile::State::Missing) {
        //: %1: the settings file, %2: why it is not read, such as "is not a plain file"
        return fail(tr("The file %1 %2.").arg(target, current.problem));
    }
    const IniText kept = current.text.writable(copiesOf(target), writeHook_);
    if (!kept.unchecked.isEmpty()) {
        //: %1: the settings file, %2: why it cannot be checked, such as "cannot be checked, ..."
        return fail(tr("The file %1 %2.").arg(target, kept.unchecked));
    }
    if (kept.malformed && damagedCopyKept_ != current.bytes && keepCopy(current.bytes).isEmpty()) {
        return fail(tr("The file %1 is damaged, and no copy of it can be kept.").arg(fileName_));
    }
    SettingsValues values(kept.values);
    error_.clear();
    return !change(values) || write(values, target);
}

// A linked settings file stays a link: the file at the end of the chain is
// what gets replaced.
bool SettingsStore::write(const SettingsValues& values, const QString& target) {
    //: %1: the settings file, %2: why, such as "the disk may be full"
    const QString cannot = tr("The file %1 cannot be written (%2).");
    SettingsFiles::removeStrayCopies(target);
    // Beside the target, so that the rename stays on one file system.
    QTemporaryFile temp(target + QStringLiteral(".saving-XXXXXX"));
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
            //: Why the settings file cannot be written: the end of a sentence, in brackets
            return fail(cannot.arg(fileName_, tr("the new content was not written")));
        }
    }
    if (writeHook_) {
        writeHook_(temp.fileName());
    }
    // QSettings reports success even when the disk filled up under it: only
    // what reads back whole may replace the old file.
    const Content written = load(temp.fileName(), copiesOf(target));
    if (!written.text.unchecked.isEmpty()) {
        return fail(tr("The file %1 %2.").arg(target, written.text.unchecked));
    }
    if (written.text.malformed || written.text.values != values.all()) {
        //: Why the settings file cannot be written: the end of a sentence, in brackets
        return fail(cannot.arg(fileName_, tr("the disk may be full")));
    }
    QFile flushed(temp.fileName());
    if (!flushed.open(QIODevice::ReadOnly)) {
        return fail(cannot.arg(fileName_, flushed.errorString()));
    }
    SettingsFiles::keepOwnerAndMode(flushed.handle(), target);
    if (::fsync(flushed.handle()) != 0) {
        return fail(cannot.arg(fileName_, systemError()));
    }
    flushed.close();
    if (!moved(temp.fileName(), target)) {
        return fail(cannot.arg(fileName_, systemError()));
    }
    return true;
}

SettingsStore::StartUp SettingsStore::startUp() {
    const Content current = load(fileName_, copiesOf(SettingsFiles::finalTarget(fileName_)));
    StartUp found;
    found.values = SettingsValues(current.text.values);
    switch (current.state) {
    case PlainFile::State::Open:
        if (current.text.malformed) {
            found.problem = Problem::Damaged;
            found.keptAs = keepCopy(current.bytes);
        }
        break;
    case PlainFile::State::Missing:
        break;
    case PlainFile::State::NotPlain:
    case PlainFile::State::TooLarge:
        if (!QFileInfo(fileName_).isDir()) {
            found.problem = Problem::NotPlain;
            found.keptAs = moveAside();
            break;
        }
        found.problem = Problem::Unreadable; // a folder, kept where it is
        //: Why the settings file is not read, said after its name
        found.reason = tr("is a folder");
        break;
    case PlainFile::State::Unreadable:
        found.problem = Problem::Unreadable;
        found.reason = current.problem;
        break;
    }
    return found;
}

// Under the lock, and only if what lies there is still no readable plain
// file: another running copy may have written one meanwhile.
QString SettingsStore::moveAside() {
    QLockFile held(fileName_ + QStringLiteral(".lock"));
    if (!lock(held)) {
        return QString();
    }
    const PlainFile::State now = PlainFile(fileName_, kMaxBytes).state();
    const QString aside = asideName();
    if ((now != PlainFile::State::NotPlain && now != PlainFile::State::TooLarge) ||
        aside.isEmpty() || !moved(fileName_, aside)) {
        return QString();
    }
    return aside;
}

// "<file>.bad-YYYYMMDD-HHMMSS", with "-1" to "-9" after it when taken.
QString SettingsStore::asideName() const {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = fileName_ + QStringLiteral(".bad-") + stamp;
    for (int n = 0; n < 10; ++n) {
        const QString name = n == 0 ? base : base + QStringLiteral("-%1").arg(n);
        if (!QFileInfo(name).exists() && !QFileInfo(name).isSymLink()) {
            return name;
        }
    }
    return QString();
}

QString SettingsStore::keepCopy(const QByteArray& bytes) {
    if (bytes == damagedCopyKept_) {
        return QString();
    }
    const QString copy = asideName();
    if (copy.isEmpty()) {
        return QString();
    }
    QFile file(copy);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()) {
        damagedCopyKept_ = bytes;
        return copy;
    }
    file.remove();
    return QString();
}

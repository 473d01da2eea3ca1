#include "SettingsFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace SettingsFiles {

QString finalTarget(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int links = 0; links < 40; ++links) {
        const QByteArray name = QFile::encodeName(current);
        struct stat found {};
        if (::lstat(name.constData(), &found) != 0 || !S_ISLNK(found.st_mode)) {
            break;
        }
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(name.constData(), target.data(), target.size());
        if (length <= 0 || length >= target.size()) {
            break;
        }
        const QString next = QFile::decodeName(target.left(length));
        current =
            QDir::isAbsolutePath(next) ? next : QFileInfo(current).path() + QLatin1Char('/') + next;
    }
    return current;
}

bool plainOrAbsent(const QString& path) {
    struct stat found {};
    return ::lstat(QFile::encodeName(path).constData(), &found) != 0 || S_ISREG(found.st_mode);
}

bool keepOwnerAndMode(int fd, const QString& target) {
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else if (::stat(QFile::encodeName(QFileInfo(target).path()).constData(), &old) != 0) {
        return false;
    }
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return false;
    }
    return (now.st_uid == old.st_uid && now.st_gid == old.st_gid) ||
           ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

void removeStrayCopies(const QString& target) {
    const QFileInfo info(target);
    const QRegularExpression stray(
        QStringLiteral("^%1\\.saving-[A-Za-z]{6}$").arg(QRegularExpression::escape(info.fileName())));
    const QDateTime minuteAgo = QDateTime::currentDateTime().addSecs(-60);
    const QFileInfoList entries =
        QDir(info.path()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (stray.match(entry.fileName()).hasMatch() && !entry.isSymLink() &&
            entry.lastModified() < minuteAgo) {
            QFile::remove(entry.filePath());
        }
    }
}

} // namespace SettingsFiles

#include "PlainFile.h"

#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PlainFile::PlainFile(const QString& path, qint64 maxBytes) : maxBytes_(maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat found {};
    if (::stat(name.constData(), &found) != 0) {
        failed(errno);
        return;
    }
    if (!S_ISREG(found.st_mode)) {
        state_ = State::NotPlain;
        return;
    }
    if (found.st_size > maxBytes) {
        state_ = State::TooLarge;
        return;
    }
    // Without waiting, and checked again once open: a FIFO may have taken the
    // file's place since.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        failed(errno);
        return;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_size > maxBytes ||
        !file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        state_ = State::NotPlain;
        return;
    }
    size_ = opened.st_size;
    state_ = State::Open;
}

void PlainFile::failed(int error) {
    state_ = error == ENOENT ? State::Missing : State::Unreadable;
    systemError_ = QString::fromLocal8Bit(std::strerror(error));
}

QByteArray PlainFile::readAll() {
    return isOpen() ? file_.read(std::min(size_, maxBytes_)) : QByteArray();
}

QString PlainFile::problem() const {
    switch (state_) {
    case State::Open:
        return QString();
    //: Why a file is not read, said after the file's name: "The file NAME does not exist"
    case State::Missing:
        return tr("does not exist");
    //: Why a file is not read, said after the file's name
    case State::NotPlain:
        return tr("is not a plain file");
    //: Why a file is not read, said after the file's name
    case State::TooLarge:
        return tr("is larger than %1 bytes").arg(QLocale().toString(maxBytes_));
    case State::Unreadable:
        break;
    }
    //: Why a file is not read, said after the file's name; %1: the system's reason
    return tr("cannot be read (%1)").arg(systemError_);
}

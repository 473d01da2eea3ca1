#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

// A file Tilewise reads, opened only when it is a plain file or a link to
// one. A FIFO at that name would block the reader until some writer came,
// and a device such as /dev/zero would feed it without end; opening some
// devices even does something. So nothing else is opened at all, opening
// never waits, and a file over the size given is refused unread.
class PlainFile {
    Q_DECLARE_TR_FUNCTIONS(PlainFile)

public:
    enum class State { Open, Missing, NotPlain, TooLarge, Unreadable };

    PlainFile(const QString& path, qint64 maxBytes);

    State state() const { return state_; }
    bool isOpen() const { return state_ == State::Open; }
    // The open file, read-only, for a reader that takes a device.
    QFile& file() { return file_; }
    // The whole file, as long as it was when it was opened; empty unless open.
    QByteArray readAll();
    // Why it is not open, to follow the file's name in a message: "is not a
    // plain file", "cannot be read (Permission denied)".
    QString problem() const;

private:
    void failed(int error);

    State state_ = State::Unreadable;
    QString systemError_;
    qint64 maxBytes_;
    qint64 size_ = 0;
    QFile file_;
};

#pragma once

#include <QByteArray>
#include <QString>

// The SHA-1 of a file's bytes, to tell copies apart. The file is read
// through PlainFile, so a FIFO or a device is never opened, and at most
// `maxBytes` of it are read, even of a file that grows meanwhile. Empty when
// it is over that, or cannot be read.
QByteArray fileHash(const QString& path, qint64 maxBytes);

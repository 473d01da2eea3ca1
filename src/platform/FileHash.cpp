#include "FileHash.h"

#include "PlainFile.h"

#include <QCryptographicHash>

QByteArray fileHash(const QString& path, qint64 maxBytes) {
    PlainFile plain(path, maxBytes);
    if (!plain.isOpen()) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (qint64 total = 0;;) {
        const qint64 got = plain.file().read(buffer.data(), buffer.size());
        if (got == 0) {
            return hash.result();
        }
        total += got;
        if (got < 0 || total > maxBytes) {
            return {};
        }
        hash.addData(QByteArrayView(buffer.constData(), got));
    }
}

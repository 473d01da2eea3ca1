#include "PictureCache.h"

#include "PlainFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>

PictureCache::PictureCache(qsizetype maxBytes) : pixmaps_(maxBytes) {}

QPixmap PictureCache::load(const QString& path, QSize pixelSize, QSize shownSize,
                           qreal devicePixelRatio) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        return {};
    }
    // The file's time and length are part of the key, so a changed file
    // misses the cache.
    const QString key = QStringLiteral("%1|%2|%3|%4x%5@%6")
                            .arg(file.absoluteFilePath())
                            .arg(file.lastModified().toMSecsSinceEpoch())
                            .arg(file.size())
                            .arg(pixelSize.width())
                            .arg(pixelSize.height())
                            .arg(devicePixelRatio);
    QPixmap decoded;
    if (const QPixmap* cached = pixmaps_.object(key)) {
        decoded = *cached;
    } else {
        ++decodes_;
        PlainFile plain(path, kMaxFileBytes);
        if (!plain.isOpen()) {
            return {};
        }
        QImageReader reader(&plain.file());
        const QSize full = reader.size(); // from the header, nothing decoded yet
        if (full.width() > kMaxSide || full.height() > kMaxSide) {
            return {};
        }
        reader.setAutoTransform(true);
        reader.setScaledSize(pixelSize);
        decoded = QPixmap::fromImage(reader.read());
        if (decoded.isNull()) {
            return {};
        }
        decoded.setDevicePixelRatio(devicePixelRatio);
        const qsizetype cost = qsizetype(decoded.width()) * decoded.height() * 4;
        pixmaps_.insert(key, new QPixmap(decoded), std::max<qsizetype>(cost, 1));
    }
    if (shownSize.isEmpty() || shownSize == decoded.size()) {
        return decoded;
    }
    return decoded.scaled(shownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

#include "PictureCache.h"

#include "PlainFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>

PictureCache::PictureCache(qsizetype maxBytes) : pixmaps_(maxBytes) {}

QString PictureCache::keyFor(const QString& path, QSize pixelSize, qreal devicePixelRatio) {
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile()) {
        return {};
    }
    return QStringLiteral("%1|%2|%3|%4x%5@%6")
        .arg(file.absoluteFilePath())
        .arg(file.lastModified().toMSecsSinceEpoch())
        .arg(file.size())
        .arg(pixelSize.width())
        .arg(pixelSize.height())
        .arg(devicePixelRatio);
}

QImage PictureCache::decode(const QString& path, QSize pixelSize) {
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
    // The size applies before the turn: a picture on its side is decoded on
    // its side.
    if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)) {
        pixelSize.transpose();
    }
    reader.setScaledSize(pixelSize);
    return reader.read();
}

QPixmap PictureCache::fitted(const QPixmap& decoded, QSize shownSize) {
    if (shownSize.isEmpty() || shownSize == decoded.size()) {
        return decoded;
    }
    return decoded.scaled(shownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPixmap PictureCache::find(const QString& key) const {
    const QPixmap* kept = pixmaps_.object(key);
    return kept != nullptr ? *kept : QPixmap();
}

void PictureCache::insert(const QString& key, const QPixmap& pixmap) {
    const qsizetype cost = qsizetype(pixmap.width()) * pixmap.height() * 4;
    pixmaps_.insert(key, new QPixmap(pixmap), std::max<qsizetype>(cost, 1));
}

#include "PictureCache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>

namespace {

QString SizeText(QSize pixelSize) {
    return QStringLiteral("|%1x%2").arg(pixelSize.width()).arg(pixelSize.height());
}

bool Usable(QSize pixelSize) {
    return pixelSize.isValid() && !pixelSize.isEmpty();
}

} // namespace

PictureCache::PictureCache(qsizetype maxBytes) : pixmaps_(maxBytes) {}

QPixmap PictureCache::Load(const QString& path, QSize pixelSize, QSize shownSize) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        return {};
    }
    // The file's time and length are part of every key, so a changed file
    // misses the cache.
    const QString version = QStringLiteral("%1|%2|%3")
                                .arg(file.absoluteFilePath())
                                .arg(file.lastModified().toMSecsSinceEpoch())
                                .arg(file.size());
    if (!Usable(shownSize) || shownSize == pixelSize) {
        return Decoded(path, version, pixelSize);
    }
    const QString key = version + SizeText(pixelSize) + SizeText(shownSize);
    if (const QPixmap* cached = pixmaps_.object(key)) {
        return *cached;
    }
    const QPixmap decoded = Decoded(path, version, pixelSize);
    if (decoded.isNull()) {
        return {};
    }
    const QPixmap shown =
        decoded.scaled(shownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Keep(key, shown);
    return shown;
}

QPixmap PictureCache::Decoded(const QString& path, const QString& version, QSize pixelSize) {
    const QString key = version + SizeText(pixelSize);
    if (const QPixmap* cached = pixmaps_.object(key)) {
        return *cached;
    }
    ++decodes_;
    QImageReader reader(path);
    const QSize full = reader.size(); // from the header, nothing decoded yet
    if (QFileInfo(path).size() > kMaxFileBytes || full.width() > kMaxSide ||
        full.height() > kMaxSide) {
        return {};
    }
    reader.setAutoTransform(true);
    if (Usable(pixelSize)) {
        reader.setScaledSize(pixelSize);
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    const QPixmap pixmap = QPixmap::fromImage(image);
    Keep(key, pixmap);
    return pixmap;
}

void PictureCache::Keep(const QString& key, const QPixmap& pixmap) {
    const qsizetype cost = qsizetype(pixmap.width()) * pixmap.height() * 4;
    pixmaps_.insert(key, new QPixmap(pixmap), cost > 0 ? cost : 1);
}

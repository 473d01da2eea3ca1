#include "PictureCache.h"

#include <QFileInfo>
#include <QImageReader>

PictureCache::PictureCache(qsizetype maxBytes) : pixmaps_(maxBytes) {}

QPixmap PictureCache::Load(const QString& path, QSize pixelSize) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        return {};
    }
    const QString key = QStringLiteral("%1|%2x%3|%4|%5")
                            .arg(file.absoluteFilePath())
                            .arg(pixelSize.width())
                            .arg(pixelSize.height())
                            .arg(file.lastModified().toMSecsSinceEpoch())
                            .arg(file.size());
    if (const QPixmap* cached = pixmaps_.object(key)) {
        return *cached;
    }
    ++decodes_;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (pixelSize.isValid() && !pixelSize.isEmpty()) {
        reader.setScaledSize(pixelSize);
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    auto* pixmap = new QPixmap(QPixmap::fromImage(image));
    const QPixmap result = *pixmap;
    const qsizetype cost = qsizetype(image.width()) * image.height() * 4;
    pixmaps_.insert(key, pixmap, cost > 0 ? cost : 1);
    return result;
}

#pragma once

#include <QCache>
#include <QDateTime>
#include <QPixmap>
#include <QSize>
#include <QString>

// Decoded pictures, kept across new games. A picture is decoded once at the
// pixel size it is shown at; a later board of the same size and category
// decodes nothing. A file that changes on disk is decoded afresh.
class PictureCache {
public:
    explicit PictureCache(qsizetype maxBytes = 32 * 1024 * 1024);

    // The picture at `pixelSize` device pixels, or a null pixmap when the
    // file is missing or can't be read as a picture.
    QPixmap Load(const QString& path, QSize pixelSize);

    int Decodes() const { return decodes_; }

private:
    QCache<QString, QPixmap> pixmaps_;
    int decodes_ = 0;
};

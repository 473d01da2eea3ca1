#pragma once

#include <QCache>
#include <QPixmap>
#include <QSize>
#include <QString>

// Decoded pictures, kept across new games. A picture is decoded once at the
// pixel size of the board's tiles; a later board of the same size and
// category decodes nothing. A file that changes on disk is decoded afresh.
class PictureCache {
public:
    // Pictures beyond these are not decoded: a tile is 45 pixels wide on a
    // 10 x 10 board, and one huge file would stall a whole board.
    static constexpr qint64 kMaxFileBytes = 20 * 1024 * 1024;
    static constexpr int kMaxSide = 8000;

    explicit PictureCache(qsizetype maxBytes = 16 * 1024 * 1024);

    // The picture decoded at `pixelSize` device pixels, then smoothly
    // stretched to `shownSize`: a tile a pixel wider or taller than the
    // board's nominal one (tiles share rounded edges). Only the decoded
    // picture is kept: which tile is a pixel off changes with every deal,
    // and keeping the stretched copies too made memory grow game by game.
    // A null pixmap when the file is missing, can't be read as a picture, or
    // is beyond the limits. The picture carries `devicePixelRatio` as it is
    // kept, so the tiles of a set share it on any screen.
    QPixmap load(const QString& path, QSize pixelSize, QSize shownSize, qreal devicePixelRatio);

    int decodes() const { return decodes_; }

private:
    QCache<QString, QPixmap> pixmaps_;
    int decodes_ = 0;
};

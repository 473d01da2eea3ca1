#pragma once

#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Decoded pictures, kept across new games. A picture is decoded once at the
// pixel size of the board's tiles; a later board of the same size and
// category decodes nothing. A file that changes on disk is decoded afresh.
// Decoding runs on any thread; the cache itself lives on the GUI thread.
class PictureCache {
public:
    // Pictures beyond these are not decoded: a tile is 45 pixels wide on a
    // 10 x 10 board, and one huge file would stall a whole board.
    static constexpr qint64 kMaxFileBytes = 20 * 1024 * 1024;
    static constexpr int kMaxSide = 8000;

    explicit PictureCache(qsizetype maxBytes = 16 * 1024 * 1024);

    // What a decode of `path` at `pixelSize` is kept under. It holds the
    // file's time and length, so a changed file misses the cache. Empty when
    // no ordinary file has that path.
    static QString keyFor(const QString& path, QSize pixelSize, qreal devicePixelRatio);

    // The picture decoded at `pixelSize` device pixels (a JPEG is scaled as
    // it is decoded, the cheap way), turned as its EXIF orientation says. A
    // null image when the file can't be read as a picture or is beyond the
    // limits, which are read from the header, before any decoding. Safe on
    // any thread.
    static QImage decode(const QString& path, QSize pixelSize);

    // A copy smoothly stretched to `shownSize`: for a tile a pixel wider or
    // taller than the board's nominal one (tiles share rounded edges). Only
    // the decoded picture is kept: which tile is a pixel off changes with
    // every deal, and keeping the stretched copies too made memory grow
    // game by game.
    static QPixmap fitted(const QPixmap& decoded, QSize shownSize);

    // A null pixmap when nothing is kept under `key`.
    QPixmap find(const QString& key) const;
    void insert(const QString& key, const QPixmap& pixmap);

    // How many pictures were decoded for the boards, cached or not.
    int decodes() const { return decodes_; }
    void countDecode() { ++decodes_; }

private:
    QCache<QString, QPixmap> pixmaps_;
    int decodes_ = 0;
};

#pragma once

#include "PictureCache.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QStringList>
#include <map>
#include <tuple>

class GameState;
class QTimer;

// The pictures of one board. Each tile's picture waits to be decoded: in
// idle time once the window's first frame is painted, free tiles first, or
// at once for a tile turned over before its turn came. The tiles of a set
// share one decoded picture, and one stand-in when its file cannot be shown.
class BoardPictures final : public QObject {
    Q_OBJECT
public:
    struct Request {
        int tile;
        QSize pixels; // decoded at the board's nominal tile size
        QSize shown;  // this tile's own size, a pixel off at most
    };

    BoardPictures(const GameState& game, QString dataFolder, QObject* parent);

    // A new board: every picture waits again, free tiles first. Stand-ins
    // draw their numbers in `font`, the tiles' own, already loaded.
    void reset(QList<Request> requests, qreal devicePixelRatio, const QFont& font);
    // Decoding in idle time starts with the first frame on screen.
    void start();
    void stop();

    // Decodes the tile's picture now and delivers it, when it still waits.
    void showNow(int tile);
    // Decodes and delivers every picture still waiting.
    void finish();

    // The files this board could not show, as far as decoded.
    QStringList missing() const { return missing_; }
    const PictureCache& cache() const { return cache_; }

    // The file a picture number stands for: the free picture for -1.
    QString fileFor(int pictureNumber) const;

signals:
    // A tile's picture, decoded.
    void ready(int tile, const QPixmap& pixmap);
    // Every picture of the board has been delivered, the last one just now.
    void allShown();

private:
    QPixmap decode(const Request& request);
    void decodeNext();

    const GameState& game_;
    QString dataFolder_;
    PictureCache cache_;
    QList<Request> pending_;
    QStringList missing_;
    qreal ratio_ = 1;
    QFont font_;
    // Stand-ins drawn for this board by picture number and size, so that the
    // tiles of a set share one, as they share a decoded picture.
    std::map<std::tuple<int, int, int>, QPixmap> standIns_;
    QTimer* idle_ = nullptr;
    bool started_ = false;
};

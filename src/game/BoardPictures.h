#pragma once

#include "PictureCache.h"
#include "PictureFolders.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QStringList>
#include <QThreadPool>
#include <map>
#include <memory>
#include <tuple>

class GameState;
class PictureDecode;
class QTimer;

// The pictures of one board. From the window's first frame on they are
// decoded on a pool of threads, one a core: free tiles first, as they lie
// face up, then in tile order. A tile turned over before its picture came
// has it decoded at once, on a thread of its own. Decoded pictures become
// pixmaps and reach their tiles on the GUI thread, so the event loop never
// waits for a decode. The tiles of a set share one decode, and one stand-in
// when their file cannot be shown.
class BoardPictures final : public QObject {
    Q_OBJECT
public:
    struct Request {
        int tile;
        QSize pixels; // decoded at the board's nominal tile size
        QSize shown;  // this tile's own size, a pixel off at most
    };

    BoardPictures(const GameState& game, PictureFolders folders, QObject* parent);
    // Decodes not begun are dropped; those under way are waited for.
    ~BoardPictures() override;

    // A new board: every picture waits again, free tiles first. Stand-ins
    // draw their numbers in `font`, the tiles' own, already loaded.
    void reset(QList<Request> requests, qreal devicePixelRatio, const QFont& font);
    // Decoding starts with the first frame on screen.
    void start();
    void stop();

    // Shows the tile's picture as soon as it can be, when it still waits.
    void showNow(int tile);
    // Decodes and delivers every picture still waiting, before it returns.
    void finish();

    // The files this board could not show, as far as decoded.
    QStringList missing() const { return missing_; }
    const PictureCache& cache() const { return cache_; }

signals:
    // A tile's picture, decoded.
    void ready(int tile, const QPixmap& pixmap);
    // Every picture of the board has been delivered, the last one just now.
    void allShown();

private:
    // A tile that waits for its picture.
    struct Waiting {
        Request request;
        int number;   // the picture number, -1 for the free picture
        QString file; // once looked up
        QString key;  // empty when there is no such file
    };
    using Decode = std::shared_ptr<PictureDecode>;

    // Finds the files of the waiting pictures, once a board.
    void lookUp();
    // Starts a decode for every waiting picture that is neither kept nor
    // being decoded, in the order they wait.
    void schedule();
    Decode add(const Waiting& waiting);
    void run(const Decode& decode, bool ownThread);
    void decoded(const Decode& decode);
    // Delivers, for a few milliseconds, the pictures at hand: kept ones and
    // missing files. Runs while the event loop is idle.
    void deliverAtHand();
    bool atHand(const Waiting& waiting) const;
    void deliver(const Waiting& waiting);
    void deliveredSome();
    void cancelPending();

    const GameState& game_;
    PictureFolders folders_;
    PictureCache cache_;
    QList<Waiting> waiting_;
    QHash<QString, Decode> decodes_; // by key, until they are delivered
    QSet<QString> unreadable_;       // keys that decoded to nothing
    QSet<QString> wanted_;           // keys of tiles turned over, awaited
    QStringList missing_;
    qreal ratio_ = 1;
    QFont font_;
    // Stand-ins drawn for this board by picture number and size, so that the
    // tiles of a set share one, as they share a decoded picture.
    std::map<std::tuple<int, int, int>, QPixmap> standIns_;
    QTimer* idle_ = nullptr;
    bool started_ = false;
    bool lookedUp_ = false;
    QThreadPool pool_; // last: waited for before anything it uses goes
};

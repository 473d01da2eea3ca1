#include "BoardPictures.h"

#include "FolderListing.h"
#include "GameState.h"
#include "Placeholder.h"

#include <QTimer>
#include <algorithm>

BoardPictures::BoardPictures(const GameState& game, QString dataFolder, QObject* parent)
    : QObject(parent), game_(game), dataFolder_(std::move(dataFolder)), idle_(new QTimer(this)) {
    // Runs whenever the event loop is idle, one picture at a time.
    idle_->setInterval(0);
    connect(idle_, &QTimer::timeout, this, &BoardPictures::decodeNext);
}

void BoardPictures::reset(QList<Request> requests, qreal devicePixelRatio, const QFont& font) {
    pending_ = std::move(requests);
    missing_.clear();
    standIns_.clear();
    ratio_ = devicePixelRatio;
    font_ = font;
    // Free tiles lie face up: theirs are the first pictures decoded.
    std::stable_partition(pending_.begin(), pending_.end(),
                          [this](const Request& r) { return game_.isFaceUp(r.tile); });
    if (started_) {
        idle_->start();
    }
}

void BoardPictures::start() {
    started_ = true;
    if (!pending_.isEmpty()) {
        idle_->start();
    }
}

void BoardPictures::stop() {
    pending_.clear();
    idle_->stop();
}

QString BoardPictures::fileFor(int pictureNumber) const {
    return FolderListing::shownFile(
        dataFolder_ + (pictureNumber == -1
                           ? QStringLiteral("/free")
                           : QStringLiteral("/imgs/") + game_.categoryName() + QLatin1Char('/') +
                                 FolderListing::pictureBase(pictureNumber)));
}

// Decoded once at the nominal size and kept; a tile a pixel off gets a
// stretched copy, so painting never scales. The file is looked for here, in
// idle time, not while the board is made.
QPixmap BoardPictures::decode(const Request& request) {
    const int number = game_.tileImage(request.tile);
    const QString file = fileFor(number);
    QPixmap pixmap = cache_.load(file, request.pixels, request.shown, ratio_);
    if (pixmap.isNull()) {
        if (!missing_.contains(file)) {
            missing_.append(file);
        }
        QPixmap& standIn = standIns_[{number, request.shown.width(), request.shown.height()}];
        if (standIn.isNull()) {
            standIn = drawPlaceholder(number, request.shown, ratio_, font_);
        }
        pixmap = standIn;
    }
    pixmap.setDevicePixelRatio(ratio_);
    return pixmap;
}

void BoardPictures::showNow(int tile) {
    const auto found = std::find_if(pending_.begin(), pending_.end(),
                                    [tile](const Request& r) { return r.tile == tile; });
    if (found == pending_.end()) {
        return;
    }
    const Request request = *found;
    pending_.erase(found);
    emit ready(tile, decode(request));
    if (pending_.isEmpty()) {
        idle_->stop();
        emit allShown();
    }
}

void BoardPictures::decodeNext() {
    if (!pending_.isEmpty()) {
        showNow(pending_.front().tile);
    }
}

void BoardPictures::finish() {
    while (!pending_.isEmpty()) {
        showNow(pending_.front().tile);
    }
}

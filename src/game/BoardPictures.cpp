#include "BoardPictures.h"

#include "FolderListing.h"
#include "GameState.h"
#include "PictureFiles.h"
#include "Placeholder.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <malloc.h>
#include <mutex>

// One file decoded off the GUI thread. Whoever claims it first decodes it:
// a pool thread in its turn, a thread of its own for a tile turned over, or
// the GUI thread when the board must be whole at once; the others leave it.
class PictureDecode {
public:
    PictureDecode(QString file, QString key, QSize pixels)
        : file_(std::move(file)), key_(std::move(key)), pixels_(pixels) {}

    bool claim() { return !claimed_.exchange(true); }
    bool isClaimed() const { return claimed_; }
    void run() {
        QImage image = PictureCache::decode(file_, pixels_);
        const std::lock_guard<std::mutex> lock(mutex_);
        image_ = std::move(image);
        done_ = true;
        finished_.notify_all();
    }
    // Only for a decode that was claimed to run.
    QImage wait() {
        std::unique_lock<std::mutex> lock(mutex_);
        finished_.wait(lock, [this] { return done_; });
        return image_;
    }
    const QString& key() const { return key_; }

private:
    const QString file_;
    const QString key_;
    const QSize pixels_;
    std::atomic<bool> claimed_{false};
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    QImage image_;
};

namespace {

// How long one idle moment delivers pictures at hand.
constexpr int kSliceMs = 1;

} // namespace

BoardPictures::BoardPictures(const GameState& game, PictureFolders folders, QObject* parent)
    : QObject(parent), game_(game), folders_(std::move(folders)), idle_(new QTimer(this)) {
    idle_->setInterval(0);
    connect(idle_, &QTimer::timeout, this, &BoardPictures::deliverAtHand);
}

BoardPictures::~BoardPictures() {
    cancelPending();
    pool_.waitForDone();
}

void BoardPictures::reset(QList<Request> requests, qreal devicePixelRatio, const QFont& font) {
    cancelPending();
    waiting_.clear();
    missing_.clear();
    unreadable_.clear();
    wanted_.clear();
    standIns_.clear();
    ratio_ = devicePixelRatio;
    font_ = font;
    lookedUp_ = false;
    for (const Request& request : std::as_const(requests)) {
        waiting_.append({request, game_.tileImage(request.tile), QString(), QString()});
    }
    // Free tiles lie face up: theirs are the first pictures shown.
    std::stable_partition(waiting_.begin(), waiting_.end(),
                          [this](const Waiting& w) { return game_.isFaceUp(w.request.tile); });
    if (started_) {
        start();
    }
}

// After the first frame, not before it: the board reaches the screen
// without waiting for its folder to be listed.
void BoardPictures::lookUp() {
    if (lookedUp_) {
        return;
    }
    lookedUp_ = true;
    const QString folder = folders_.categoryOf(game_);
    const PictureFiles pictures(folder, QStringLiteral("img"));
    const QString free = folders_.freePicture();
    QHash<int, QString> keys; // each file looked at once; a set's tiles share it
    for (Waiting& waiting : waiting_) {
        const int number = waiting.number;
        waiting.file = number < 0 ? free : pictures.find(FolderListing::pictureBase(number));
        if (waiting.file.isEmpty()) { // named as the game would want it
            waiting.file = number < 0
                               ? folders_.data + QStringLiteral("/free.jpg")
                               : folder + QLatin1Char('/') + FolderListing::pictureBase(number) +
                                     QStringLiteral(".jpg");
        }
        if (!keys.contains(number)) {
            keys.insert(number, PictureCache::keyFor(waiting.file, waiting.request.pixels, ratio_));
        }
        waiting.key = keys.value(number);
    }
}

void BoardPictures::start() {
    started_ = true;
    lookUp();
    schedule();
    if (std::any_of(waiting_.cbegin(), waiting_.cend(),
                    [this](const Waiting& w) { return atHand(w); })) {
        idle_->start();
    }
}

void BoardPictures::stop() {
    cancelPending();
    waiting_.clear();
    idle_->stop();
}

void BoardPictures::cancelPending() {
    for (const Decode& decode : std::as_const(decodes_)) {
        decode->claim(); // a decode not begun never will be
    }
    decodes_.clear();
}

bool BoardPictures::atHand(const Waiting& waiting) const {
    return waiting.key.isEmpty() || unreadable_.contains(waiting.key) ||
           !cache_.find(waiting.key).isNull();
}

BoardPictures::Decode BoardPictures::add(const Waiting& waiting) {
    Decode decode =
        std::make_shared<PictureDecode>(waiting.file, waiting.key, waiting.request.pixels);
    decodes_.insert(waiting.key, decode);
    return decode;
}

void BoardPictures::schedule() {
    for (const Waiting& waiting : std::as_const(waiting_)) {
        if (!atHand(waiting) && !decodes_.contains(waiting.key)) {
            run(add(waiting), false);
        }
    }
}

void BoardPictures::run(const Decode& decode, bool ownThread) {
    auto work = [this, decode] {
        if (decode->claim()) {
            decode->run();
            QMetaObject::invokeMethod(
                this, [this, decode] { decoded(decode); }, Qt::QueuedConnection);
        }
    };
    if (ownThread) {
        pool_.reserveThread();
        pool_.startOnReservedThread(work);
    } else {
        pool_.start(work);
    }
}

// A decode may arrive twice (from finish() and from its thread), or after
// its board is gone: it is kept, and goes to whichever tiles wait for it.
// A tile turned over has it at once; the others in idle moments, a few at a
// time, so that pictures decoded together do not hold up the next click.
void BoardPictures::decoded(const Decode& decode) {
    const QString key = decode->key();
    if (decodes_.value(key) == decode) {
        decodes_.remove(key);
        cache_.countDecode();
    }
    const QImage image = decode->wait();
    if (image.isNull()) {
        unreadable_.insert(key);
    } else if (cache_.find(key).isNull()) {
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(ratio_);
        cache_.insert(key, pixmap);
    }
    if (!wanted_.remove(key)) {
        idle_->start();
        return;
    }
    for (qsizetype i = 0; i < waiting_.size();) {
        if (waiting_.at(i).key == key) {
            deliver(waiting_.takeAt(i));
        } else {
            ++i;
        }
    }
    deliveredSome();
}

void BoardPictures::deliverAtHand() {
    QElapsedTimer slice;
    slice.start();
    bool any = false;
    for (qsizetype i = 0; i < waiting_.size() && slice.elapsed() < kSliceMs;) {
        if (atHand(waiting_.at(i))) {
            deliver(waiting_.takeAt(i));
            any = true;
        } else {
            ++i;
        }
    }
    if (std::none_of(waiting_.cbegin(), waiting_.cend(),
                     [this](const Waiting& w) { return atHand(w); })) {
        idle_->stop();
    }
    schedule(); // a picture the cache let go of since the board was made
    if (any) {
        deliveredSome();
    }
}

void BoardPictures::deliver(const Waiting& waiting) {
    QPixmap pixmap = waiting.key.isEmpty() ? QPixmap() : cache_.find(waiting.key);
    const QSize shown = waiting.request.shown;
    if (pixmap.isNull()) {
        if (!missing_.contains(waiting.file)) {
            missing_.append(waiting.file);
        }
        QPixmap& standIn = standIns_[{waiting.number, shown.width(), shown.height()}];
        if (standIn.isNull()) {
            standIn = drawPlaceholder(waiting.number, shown, ratio_, font_);
        }
        pixmap = standIn;
    } else {
        pixmap = PictureCache::fitted(pixmap, shown);
    }
    pixmap.setDevicePixelRatio(ratio_);
    emit ready(waiting.request.tile, pixmap);
}

// Once a board is whole, the memory its decodes freed goes back to the
// system: freed on the pool's threads, it stays in their own malloc arenas
// otherwise, a quarter of a megabyte more than decoding on one thread held.
void BoardPictures::deliveredSome() {
    if (waiting_.isEmpty()) {
        ::malloc_trim(0);
        idle_->stop();
        emit allShown();
    }
}

void BoardPictures::showNow(int tile) {
    lookUp();
    const auto found = std::find_if(waiting_.cbegin(), waiting_.cend(),
                                    [tile](const Waiting& w) { return w.request.tile == tile; });
    if (found == waiting_.cend()) {
        return;
    }
    if (atHand(*found)) {
        deliver(waiting_.takeAt(found - waiting_.cbegin()));
        deliveredSome();
        return;
    }
    wanted_.insert(found->key);
    const Decode decode = decodes_.value(found->key);
    if (!decode) {
        run(add(*found), true);
    } else if (!decode->isClaimed()) {
        run(decode, true);
    }
}

void BoardPictures::finish() {
    lookUp();
    for (const Waiting& waiting : std::as_const(waiting_)) {
        if (!atHand(waiting) && !decodes_.contains(waiting.key)) {
            add(waiting);
        }
    }
    const QList<Decode> pending = decodes_.values();
    for (const Decode& decode : pending) {
        if (decode->claim()) {
            decode->run();
        }
        decoded(decode);
    }
    while (!waiting_.isEmpty()) {
        deliver(waiting_.takeFirst());
        deliveredSome();
    }
}

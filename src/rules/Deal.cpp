#include "GameState.h"

#include "RandomSource.h"

#include <cmath>
#include <utility>

namespace {

// A position from 0 to i, uniformly: the draw of a Fisher-Yates shuffle.
// (Drawing from 0 to the last index only, whatever i, favours some orders.)
std::size_t drawUpTo(RandomSource& random, int i) {
    const auto j = static_cast<int>(std::floor(random.next() * (i + 1)));
    return static_cast<std::size_t>(j > i ? i : j);
}

} // namespace

bool GameState::deal(RandomSource& random) {
    if (!current_.isPlayable()) {
        return false;
    }
    const int boardTiles = tileCount();
    const int setSize = current_.tilesPerSet;

    random.seed();
    for (std::size_t i = 0; i < pool_.size(); ++i) {
        pool_.at(i) = static_cast<std::int16_t>(i);
    }
    for (int i = 0; i < kPictures; ++i) {
        std::swap(pool_.at(static_cast<std::size_t>(i)), pool_.at(drawUpTo(random, i)));
    }

    // Sets in order, then the free tiles that make up no whole set.
    int i = 0;
    int m = 0;
    while (i < boardTiles) {
        if (setSize <= boardTiles - i) {
            for (int k = 0; k < setSize; ++k) {
                tileImages_.at(static_cast<std::size_t>(i + k)) =
                    pool_.at(static_cast<std::size_t>(m));
            }
            i += setSize;
            ++m;
        } else {
            tileImages_.at(static_cast<std::size_t>(i)) = -1;
            ++i;
        }
    }

    for (int t = 0; t < boardTiles; ++t) {
        std::swap(tileImages_.at(static_cast<std::size_t>(t)), tileImages_.at(drawUpTo(random, t)));
    }

    sets_ = static_cast<std::int16_t>(boardTiles / setSize);
    tileClicks_.fill(0);
    // Free tiles show the free picture from the start and take no part in play.
    for (int t = 0; t < kMaxTiles; ++t) {
        faceUp_.at(static_cast<std::size_t>(t)) = t < boardTiles && tileImage(t) == -1;
    }
    return true;
}

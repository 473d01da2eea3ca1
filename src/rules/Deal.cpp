#include "GameState.h"

#include "RandomSource.h"

#include <cmath>
#include <utility>

namespace {

// A position from 0 to i, uniformly: the draw of a Fisher-Yates shuffle.
// (Drawing from 0 to the last index only, whatever i, favours some orders.)
std::size_t DrawUpTo(RandomSource& random, int i) {
    const auto j = static_cast<int>(std::floor(random.Next() * (i + 1)));
    return static_cast<std::size_t>(j > i ? i : j);
}

} // namespace

bool GameState::RandomizeArray(RandomSource& random) {
    if (!current_.IsPlayable()) {
        return false;
    }
    const int boardTiles = TileCount();
    const int setSize = current_.iNumTilesToMatch;

    random.Seed();
    for (std::size_t i = 0; i < iImagePool.size(); ++i) {
        iImagePool.at(i) = static_cast<std::int16_t>(i);
    }
    for (int i = 0; i < iNumImages; ++i) {
        std::swap(iImagePool.at(static_cast<std::size_t>(i)), iImagePool.at(DrawUpTo(random, i)));
    }

    // Sets in order, then the free tiles that make up no whole set.
    int i = 0;
    int m = 0;
    while (i < boardTiles) {
        if (setSize <= boardTiles - i) {
            for (int k = 0; k < setSize; ++k) {
                iTileImages.at(static_cast<std::size_t>(i + k)) =
                    iImagePool.at(static_cast<std::size_t>(m));
            }
            i += setSize;
            ++m;
        } else {
            iTileImages.at(static_cast<std::size_t>(i)) = -1;
            ++i;
        }
    }

    for (int t = 0; t < boardTiles; ++t) {
        std::swap(iTileImages.at(static_cast<std::size_t>(t)), iTileImages.at(DrawUpTo(random, t)));
    }

    iNumSets = static_cast<std::int16_t>(boardTiles / setSize);
    iTileClicks.fill(0);
    // Free tiles show the free picture from the start and take no part in play.
    for (int t = 0; t < kMaxTiles; ++t) {
        faceUp_.at(static_cast<std::size_t>(t)) = t < boardTiles && TileImage(t) == -1;
    }
    return true;
}

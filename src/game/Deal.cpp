#include "GameState.h"

#include "RandomSource.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

// A position from 0 to i, uniformly: the draw of a Fisher-Yates shuffle.
std::size_t DrawUpTo(RandomSource& random, int i) {
    const auto j = static_cast<int>(std::floor(random.Next() * (i + 1)));
    return static_cast<std::size_t>(j > i ? i : j);
}

} // namespace

void GameState::RandomizeArray(RandomSource& random) {
    const int boardTiles = iNumColumns * iNumRows;
    const int setSize = iNumTilesToMatch;
    if (boardTiles < 1 || boardTiles > kMaxTiles || setSize < 1 ||
        boardTiles / setSize > iNumImages) {
        throw std::out_of_range("board outside what the deal is built for");
    }

    random.Seed();
    for (int i = 0; i < iNumImages; ++i) {
        iImagePool.at(static_cast<std::size_t>(i)) = static_cast<std::int16_t>(i);
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
    for (std::size_t t = 0; t < kMaxTiles; ++t) {
        iTileClicks.at(t) = 0;
    }
}

#pragma once

#include <cstdint>

// One game's configuration: the board (rows always equal columns), the tiles
// per set, the picture category (a 1-based position in the sorted category
// list) and the player count, which changes nothing in play. The game holds
// two: the one in progress and the one chosen for the next game.
struct BoardConfig {
    std::int16_t iNumColumns = 0;
    std::int16_t iNumRows = 0;
    std::int16_t iNumTilesToMatch = 0;
    std::int16_t iCategoryIndex = 0;
    std::int16_t iNumPlayers = 0;

    static constexpr int kMinSide = 4;
    static constexpr int kMaxSide = 10;
    static constexpr int kMinSet = 2;
    static constexpr int kMaxSet = 5;
    static constexpr int kMaxCategories = 32;

    int Tiles() const { return iNumColumns * iNumRows; }

    // What a board can be built and dealt for: a square of 4 to 10 tiles a
    // side, sets of 2 to 5 tiles, a category position of 1 to 32.
    bool IsPlayable() const {
        return iNumColumns == iNumRows && iNumColumns >= kMinSide && iNumColumns <= kMaxSide &&
               iNumTilesToMatch >= kMinSet && iNumTilesToMatch <= kMaxSet && iCategoryIndex >= 1 &&
               iCategoryIndex <= kMaxCategories;
    }

    bool operator==(const BoardConfig& other) const {
        return iNumColumns == other.iNumColumns && iNumRows == other.iNumRows &&
               iNumTilesToMatch == other.iNumTilesToMatch &&
               iCategoryIndex == other.iCategoryIndex && iNumPlayers == other.iNumPlayers;
    }
    bool operator!=(const BoardConfig& other) const { return !(*this == other); }
};

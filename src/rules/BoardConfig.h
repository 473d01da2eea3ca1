#pragma once

#include <cstdint>

// One game's configuration: the board (rows always equal columns), the tiles
// per set, the picture category (a 1-based position in the sorted category
// list) and the player count, which changes nothing in play. The game holds
// two: the one in progress and the one chosen for the next game.
struct BoardConfig {
    std::int16_t columns = 0;
    std::int16_t rows = 0;
    std::int16_t tilesPerSet = 0;
    std::int16_t categoryIndex = 0;
    std::int16_t players = 0;

    static constexpr int kMinSide = 4;
    static constexpr int kMaxSide = 10;
    static constexpr int kMinSet = 2;
    static constexpr int kMaxSet = 5;
    static constexpr int kMaxCategories = 32;

    int tiles() const { return columns * rows; }

    // What a board can be built and dealt for: a square of 4 to 10 tiles a
    // side, sets of 2 to 5 tiles, a category position of 1 to 32.
    bool isPlayable() const {
        return columns == rows && columns >= kMinSide && columns <= kMaxSide &&
               tilesPerSet >= kMinSet && tilesPerSet <= kMaxSet && categoryIndex >= 1 &&
               categoryIndex <= kMaxCategories;
    }

    bool operator==(const BoardConfig& other) const {
        return columns == other.columns && rows == other.rows && tilesPerSet == other.tilesPerSet &&
               categoryIndex == other.categoryIndex && players == other.players;
    }
    bool operator!=(const BoardConfig& other) const { return !(*this == other); }
};

#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class RandomSource;

// The whole state of a game, free of widgets, with the rules that need no
// board: the reset, the deal, the set test and the score. The main window
// derives from it; the Preferences dialog writes the next-game values.
class GameState {
public:
    static constexpr int kMaxTiles = 100;
    static constexpr int kMaxCategories = 32;
    static constexpr int kMaxTurnTiles = 9; // tiles a turn can record

    // The game in progress.
    std::int16_t iNumColumns = 0;
    std::int16_t iNumRows = 0;
    std::int16_t iNumTilesToMatch = 0;
    std::int16_t iNumPlayers = 0;
    std::int16_t iCurrentPlayer = 0;

    // The next game, as chosen in Preferences.
    std::int16_t iNewNumColumns = 0;
    std::int16_t iNewNumRows = 0;
    std::int16_t iNewNumTilesToMatch = 0;
    std::int16_t iNewCategoryIndex = 0;
    std::int16_t iNewNumPlayers = 0;

    // The category name at a 1-based position (1 to 32); empty after the
    // last category found. Throws std::out_of_range outside 1 to 32.
    QString GetCategory(int index) const;

    // Resets the counters and the per-tile arrays for a new game.
    void Initialize();

    // True when the current turn holds a whole set of one picture.
    bool IsMatch() const;

    // Deals the pictures: floor(N / s) sets of distinct pictures shuffled
    // over the board, N mod s free tiles, click counts cleared.
    void RandomizeArray(RandomSource& random);

    // Fills the category list from a listing of the picture folder: the
    // first 32 names in listing order, sorted by character code.
    void ScanCategories(const QStringList& listing);

    // Recomputes iNumTurns and iScore from the match counters.
    void ComputeScore();

    QString GetTileToolTip(int index) const;

protected:
    std::int16_t iNumUncovered = 0;
    std::array<std::int16_t, 11> iUncoveredTiles{};
    std::int16_t iCoverDelay = 2000;
    std::int16_t iCoverElapsed = 0;
    std::array<std::int16_t, 51> iImagePool{};
    std::array<std::int16_t, kMaxTiles + 1> iTileImages{};
    std::array<std::int16_t, kMaxTiles + 1> iTileClicks{};
    std::int16_t iNumImages = 50;
    std::int16_t iNumMatches = 0;
    std::int16_t iNumMismatches = 0;
    std::int16_t iNumTurns = 0;
    std::int16_t iScore = 0;
    std::int16_t iNumSets = 0;
    std::int16_t iCategoryIndex = 0;
    std::int16_t iNumCategories = 0;
    std::array<QString, kMaxCategories + 1> sCategories; // position 0 unused
    QString sPlayerName;

    friend class GameStateProbe; // lets tests read the deal and the turn
};

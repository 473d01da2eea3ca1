#pragma once

#include "BoardConfig.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

class RandomSource;

enum class TurnOutcome { Open, Matched, Mismatched };

// What one click did, for the window to show in the order a player sees it.
struct ClickResult {
    int clicksBefore = 0; // how often the tile had been uncovered before
    QList<int> covered;   // a showing mismatch, turned face down first
    TurnOutcome outcome = TurnOutcome::Open;
    bool gameOver = false; // this match found the last set
};

enum class Direction { Left, Right, Up, Down };

// A game of Tilewise without a single widget: the category list, the two
// configurations, the deal, which tiles lie face up, the turn in progress,
// the cover delay and the tally. The main window holds one and draws it.
class GameState {
public:
    static constexpr int kMaxTiles = 100;
    static constexpr int kMaxTurnTiles = 9; // tiles a turn can record
    static constexpr int kPictures = 50;    // pictures every category offers
    static constexpr int kCoverDelayMs = 2000;

    // The game in progress and the next one, as chosen in Preferences.
    const BoardConfig& current() const { return current_; }
    const BoardConfig& next() const { return next_; }
    // Start-up: both games take the stored configuration.
    void configure(const BoardConfig& config);
    void setNext(const BoardConfig& next) { next_ = next; }
    void offerCurrentAsNext() { next_ = current_; }
    bool nextDiffers() const { return next_ != current_; }
    void makeNextCurrent() { current_ = next_; }

    // The category folders found: the data folder's `names`, sorted by
    // character code (capitals before small letters), then the player's
    // `made` ones, sorted alike, less those whose name the data folder's
    // have. The first 32 are kept. Made categories come last, so that a
    // stored position keeps its meaning for a player who makes none.
    void scanCategories(QStringList names, QStringList made = {});
    // The same, again, once a category is made: the game in progress and the
    // next one keep their categories, found by name. One that no longer fits
    // in the 32 has no position to keep, not even at the next start, where
    // positions are read back: that game takes the first category instead
    // (a board already dealt keeps the pictures it found), and the name that
    // went is returned. Empty when both games kept theirs.
    QString rescanCategories(QStringList names, QStringList made);
    // The position of a category, of the player's made ones or not; 0 when
    // it is not listed.
    int categoryIndexOf(const QString& name, bool made) const;
    // True for a position that holds one of the player's made categories.
    bool isMadeCategory(int index) const {
        return index > dataCategoryCount_ && index <= categoryCount_;
    }
    // The name at a 1-based position; empty after the last one and outside
    // 1 to 32.
    QString category(int index) const;
    int categoryCount() const { return categoryCount_; }
    bool categoriesLeftOut() const { return categoriesLeftOut_; }
    QString categoryName() const { return category(current_.categoryIndex); }

    // Resets the turn, the tally and the per-tile arrays for a new game.
    void initialize();

    // Deals the current configuration: floor(N / s) sets of distinct
    // pictures shuffled over the board, the N mod s tiles left over free and
    // face up. Returns false, changing nothing, for a configuration the deal
    // is not built for.
    bool deal(RandomSource& random);

    // True when the turn holds a whole set of one picture.
    bool isMatch() const;

    // A click on a face-down tile: a showing mismatch is covered first, the
    // tile turns face up and joins the turn, and a whole set is decided.
    // Nothing, and no change, for a tile that is not face down.
    std::optional<ClickResult> click(int index);

    // The window's timer tick: a mismatch stays up for the cover delay, then
    // the tick turns it face down. Returns the tiles it covered.
    QList<int> tick(int intervalMs);

    // Gives the game up: every tile face up, the turn dropped.
    void revealAll();

    // Where the keyboard goes: the nearest face-down tile from `from` in a
    // direction (nearest across first, then nearest along), the first and
    // the last face-down tile, and the next or previous one from `from` in
    // tile order, round to the first or the last. -1 when there is none.
    int nearestFaceDown(int from, Direction direction) const;
    int firstFaceDown() const { return nextFaceDown(-1); }
    int lastFaceDown() const;
    int nextFaceDown(int from) const;
    int previousFaceDown(int from) const;
    // The tile beside `from` in a direction, face up or down: what a player
    // reviewing the board by ear moves over. -1 past the board's edge.
    int adjacent(int from, Direction direction) const;

    int tileCount() const { return current_.tiles(); }
    int tileImage(int index) const; // -1 for a free tile
    int tileClicks(int index) const;
    bool isFaceUp(int index) const;
    bool isFaceDown(int index) const;
    int numUncovered() const { return uncovered_; }
    int numMatches() const { return matches_; }
    int numMismatches() const { return mismatches_; }
    int numSets() const { return sets_; }
    // Turns decided so far, and the share of them that were matches, in
    // whole percent: current whenever they are read.
    int numTurns() const { return matches_ + mismatches_; }
    int score() const;

    // The name last typed for a high score, offered the next time.
    QString playerName() const { return playerName_; }
    // Nothing typed, or the box cancelled, gives "No Name".
    void setPlayerName(const QString& answer);

private:
    QList<int> coverTiles();

    BoardConfig current_;
    BoardConfig next_;

    std::int16_t uncovered_ = 0;
    std::array<std::int16_t, kMaxTurnTiles + 1> turn_{};
    std::int16_t coverElapsed_ = 0;
    std::array<std::int16_t, kPictures> pool_{};
    std::array<std::int16_t, kMaxTiles> tileImages_{};
    std::array<std::int16_t, kMaxTiles> tileClicks_{};
    std::array<bool, kMaxTiles> faceUp_{};
    std::int16_t matches_ = 0;
    std::int16_t mismatches_ = 0;
    std::int16_t sets_ = 0;

    std::int16_t categoryCount_ = 0;
    std::int16_t dataCategoryCount_ = 0; // the first ones, from the data folder
    std::array<QString, BoardConfig::kMaxCategories + 1> categories_; // position 0 unused
    bool categoriesLeftOut_ = false;

    QString playerName_;
};

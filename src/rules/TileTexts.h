#pragma once

#include <QString>

// The texts a player reads or hears about the tiles and the tally, in the
// player's language. In English, numbers stand with one leading blank, as
// everywhere in the game's messages: "Matches: 3".
namespace TileTexts {

// A tile's tool tip: "Uncovered 0 time before", "Uncovered 1 time before",
// "Uncovered 2 times before". Only more than one time takes the plural.
QString toolTip(int uncoveredBefore);

// The hint for a tile turned again: "You've clicked this 2 times already."
// from the second time before on, the empty text until then.
QString clickedHint(int clicksBefore);

// Where a tile lies, as a screen reader says it: "row 2, column 3", both
// counted from 1; tiles are numbered from 0 in reading order.
QString place(int tile, int columns);

// Status panel 1: "Matches: 3 / 5,  60% ".
QString matchesPanel(int matches, int turns, int score);
// Status panel 2: "Uncovered: 1 / 2".
QString uncoveredPanel(int uncovered, int tilesPerSet);

// The result box: "You Finished.  You matched 8 out of 13, or  62%".
QString finished(int matches, int turns, int score);

} // namespace TileTexts

#pragma once

#include <QList>
#include <QString>

class BenchApplication;

// The measured scenes. Each plays Tilewise with the bundled pictures and a
// settings file of its own, and returns milliseconds (or kibibytes).
namespace Scenarios {

// Start-up of a fresh window, from its construction to the end of its first
// paint. `kind` is "tilewise" or "bare"; meant for a fresh process, so the
// one-time costs of the first window (style, fonts, plugins) are counted.
double startUp(BenchApplication& app, const QString& kind, int columns);

// After a default start-up board, a new 10 x 10 game of pairs in another
// category (no picture of it decoded yet), then the same again (all decoded).
struct NewGames {
    double coldMs = 0;
    double warmMs = 0;
    int coldDecodes = 0;
    int warmDecodes = 0;
};
NewGames newGame(BenchApplication& app, int category);

// A fresh window's first paint, then at once a click on a tile whose picture
// has not been decoded yet: until that picture is painted. Meant for a fresh
// process, so the first decode loads the picture plugin too.
double firstClick(BenchApplication& app, int columns);

// One click on a covered tile each, on a board of `columns` x `columns`.
QList<double> clicks(BenchApplication& app, int columns, int count);

// High-score entries, each into a full table, written to the settings file.
QList<double> highScoreEntries(int count);

// Resident memory after the start-up board, after game `checkpoint` and after
// game `games` of new 10 x 10 games.
struct Memory {
    long startKiB = 0;
    long checkpointKiB = 0;
    long endKiB = 0;
};
Memory newGamesMemory(BenchApplication& app, int checkpoint, int games);

} // namespace Scenarios

#pragma once

#include <QString>
#include <cstdint>

// The all-time best scores: ten ranked entries per board configuration, kept
// only in the settings store. Nothing is cached; every call reads or writes
// the store at once.
namespace HighScores {

// "6 x 6 match 3": the section of a board configuration.
QString GetBoardKey(int columns, int tilesPerSet);
// "name3" or "value3".
QString GetEntryKey(int rank, bool nameFlag);

QString GetScoreName(int columns, int tilesPerSet, int rank);
std::int16_t GetScoreValue(int columns, int tilesPerSet, int rank);

// Return false when the store could not be written.
bool SaveScoreName(int columns, int tilesPerSet, int rank, const QString& name);
bool SaveScoreValue(int columns, int tilesPerSet, int rank, int score);

// True when the score beats the tenth entry of the configuration's table.
bool IsHighScore(int columns, int tilesPerSet, int score);

// Enters the score under the name, dated today. Runs under a lock file beside
// the settings file, so two running copies cannot lose each other's entries.
// Returns an empty text on success, otherwise why the entry could not be
// saved, for the player.
QString AddHighScore(int columns, int tilesPerSet, const QString& name, int score);

} // namespace HighScores

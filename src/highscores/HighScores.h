#pragma once

#include <QString>
#include <cstdint>

class SettingsStore;
class SettingsValues;

// The all-time best scores: ten ranked entries per board configuration, kept
// only in the settings store. Nothing is cached: a call reads or writes the
// store at once, or reads the copy of its values that it is handed.
class HighScores {
public:
    explicit HighScores(SettingsStore& store) : store_(store) {}

    // "6 x 6 match 3": a board configuration's name, which is also the
    // section of its table.
    static QString boardName(int columns, int rows, int tilesPerSet);
    static QString boardKey(int columns, int tilesPerSet);
    // "name3" or "value3".
    static QString entryKey(int rank, bool nameFlag);

    // An entry as the store holds it now, or as a copy of its values read
    // once holds it (a dialog showing ten ranks reads the file once).
    QString scoreName(int columns, int tilesPerSet, int rank) const;
    std::int16_t scoreValue(int columns, int tilesPerSet, int rank) const;
    static QString scoreName(const SettingsValues& table, int columns, int tilesPerSet, int rank);
    static std::int16_t scoreValue(const SettingsValues& table, int columns, int tilesPerSet,
                                   int rank);

    // True when the score beats the tenth entry of the configuration's table.
    bool isHighScore(int columns, int tilesPerSet, int score) const;

    enum class Outcome { Added, NoLongerHigh, NotSaved };
    struct Result {
        Outcome outcome = Outcome::Added;
        QString problem; // why it was not saved, for the player
    };
    // Enters the score under the name, dated today. The table is read afresh
    // under the store's lock, so two running copies cannot lose each other's
    // entries; a score that no longer beats rank 10 by then is not entered.
    Result addHighScore(int columns, int tilesPerSet, const QString& name, int score);

private:
    SettingsStore& store_;
};

#pragma once

#include <QList>
#include <QString>
#include <cstdint>

class SettingsStore;
class SettingsValues;

// One rank of a high-score table: the name as stored, the date of entry in
// brackets included ("Ann (5/27/99)"), and the score.
struct HighScoreEntry {
    QString name;
    std::int16_t score = 0;
};

// The all-time best scores: ten ranked entries per board configuration, kept
// only in the settings store. Nothing is cached: a call reads or writes the
// store at once, or reads the copy of its values that it is handed.
//
// A table lives in a section named for its board, "6 x 6 match 3", under the
// keys name1 to name10 and value1 to value10. A rank never written reads as
// the name "" and the score 0, and is written so when it moves down.
class HighScores {
public:
    static constexpr int kRanks = 10;

    explicit HighScores(SettingsStore& store) : store_(store) {}

    // "6 x 6 match 3": the section of a board configuration's table, in
    // English whatever the player's language.
    static QString boardKey(int columns, int tilesPerSet);

    // The ten ranks of a configuration's table, best first, as a copy of
    // the file's values holds them. A stored score is read by its leading
    // number, rounded: "85.5" reads 86, "abc" 0.
    static QList<HighScoreEntry> table(const SettingsValues& values, int columns, int tilesPerSet);

    // The rank, 1 to 10, that a score earns in a table: only a score above
    // the tenth earns one, and it goes below every entry of the same score.
    // 0 when it earns none.
    static int rankFor(const QList<HighScoreEntry>& table, int score);

    // True when the score earns a rank in the configuration's table now.
    bool isHighScore(int columns, int tilesPerSet, int score) const;

    enum class Outcome { Added, NoLongerHigh, NotSaved };
    struct Result {
        Outcome outcome = Outcome::Added;
        QString problem; // why it was not saved, for the player
    };
    // Enters the score under the name, dated today. The table is read afresh
    // under the store's lock, so two running copies cannot lose each other's
    // entries; a score that no longer earns a rank by then is not entered.
    Result addHighScore(int columns, int tilesPerSet, const QString& name, int score);

private:
    SettingsStore& store_;
};

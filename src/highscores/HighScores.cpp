#include "HighScores.h"

#include "NumberText.h"
#include "ScoreTableLock.h"
#include "SettingsStore.h"

#include <QDate>
#include <QLocale>

namespace HighScores {

namespace {

constexpr int kRanks = 10;

// The readers and writers behind the public ones, on a given store: the
// public ones open their own, AddHighScore passes its locked batch, and a
// failure can tell why.
QString GetScoreName(const SettingsStore& store, int columns, int tilesPerSet, int rank) {
    return store.GetSetting(GetBoardKey(columns, tilesPerSet), GetEntryKey(rank, true), QString());
}

std::int16_t GetScoreValue(const SettingsStore& store, int columns, int tilesPerSet, int rank) {
    const QString text =
        store.GetSetting(GetBoardKey(columns, tilesPerSet), GetEntryKey(rank, false), QString());
    return NumberText::RoundToInt16(NumberText::LeadingNumber(text));
}

bool SaveScoreName(SettingsStore& store, int columns, int tilesPerSet, int rank,
                   const QString& name) {
    return store.SaveSetting(GetBoardKey(columns, tilesPerSet), GetEntryKey(rank, true), name);
}

bool SaveScoreValue(SettingsStore& store, int columns, int tilesPerSet, int rank, int score) {
    return store.SaveSetting(GetBoardKey(columns, tilesPerSet), GetEntryKey(rank, false),
                             QString::number(score));
}

QString NotSaved(const QString& reason) {
    return QStringLiteral("The high score could not be saved. ") + reason;
}

} // namespace

QString GetBoardKey(int columns, int tilesPerSet) {
    return QString::number(columns) + QStringLiteral(" x ") + QString::number(columns) +
           QStringLiteral(" match ") + QString::number(tilesPerSet);
}

QString GetEntryKey(int rank, bool nameFlag) {
    return (nameFlag ? QStringLiteral("name") : QStringLiteral("value")) + QString::number(rank);
}

QString GetScoreName(int columns, int tilesPerSet, int rank) {
    return GetScoreName(SettingsStore(), columns, tilesPerSet, rank);
}

std::int16_t GetScoreValue(int columns, int tilesPerSet, int rank) {
    return GetScoreValue(SettingsStore(), columns, tilesPerSet, rank);
}

bool SaveScoreName(int columns, int tilesPerSet, int rank, const QString& name) {
    SettingsStore store;
    return SaveScoreName(store, columns, tilesPerSet, rank, name);
}

bool SaveScoreValue(int columns, int tilesPerSet, int rank, int score) {
    SettingsStore store;
    return SaveScoreValue(store, columns, tilesPerSet, rank, score);
}

bool IsHighScore(int columns, int tilesPerSet, int score) {
    return score > GetScoreValue(columns, tilesPerSet, kRanks);
}

QString AddHighScore(int columns, int tilesPerSet, const QString& name, int score) {
    SettingsStore store;
    const ScoreTableLock lock(store.FileName());
    if (!lock.IsHeld()) {
        return NotSaved(lock.Problem());
    }

    // The table is read afresh under the lock: another copy may have entered
    // better scores since the caller asked IsHighScore. A score that no
    // longer beats rank 10 is not entered, so it cannot push out a better one.
    // The moves are made one by one in the batch and reach the file together.
    store.BeginBatch();
    int place = 0;
    for (int rank = 1; rank <= kRanks; ++rank) {
        if (GetScoreValue(store, columns, tilesPerSet, rank) < score) {
            place = rank;
            break;
        }
    }
    if (place == 0) {
        return QString();
    }

    for (int rank = kRanks; rank > place; --rank) {
        SaveScoreValue(store, columns, tilesPerSet, rank,
                       GetScoreValue(store, columns, tilesPerSet, rank - 1));
        SaveScoreName(store, columns, tilesPerSet, rank,
                      GetScoreName(store, columns, tilesPerSet, rank - 1));
    }
    const QString dated = name + QStringLiteral(" (") +
                          QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat) +
                          QStringLiteral(")");
    SaveScoreName(store, columns, tilesPerSet, place, dated);
    SaveScoreValue(store, columns, tilesPerSet, place, score);
    if (!store.CommitBatch()) {
        return NotSaved(store.Error());
    }
    return QString();
}

} // namespace HighScores

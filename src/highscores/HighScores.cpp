#include "HighScores.h"

#include "NumberText.h"
#include "SettingsStore.h"

#include <QDate>
#include <QLocale>

namespace {

constexpr int kRanks = 10;

void saveScoreName(SettingsValues& table, int columns, int tilesPerSet, int rank,
                   const QString& name) {
    table.set(HighScores::boardKey(columns, tilesPerSet), HighScores::entryKey(rank, true), name);
}

void saveScoreValue(SettingsValues& table, int columns, int tilesPerSet, int rank, int score) {
    table.set(HighScores::boardKey(columns, tilesPerSet), HighScores::entryKey(rank, false),
              QString::number(score));
}

} // namespace

QString HighScores::boardName(int columns, int rows, int tilesPerSet) {
    return QStringLiteral("%1 x %2 match %3").arg(columns).arg(rows).arg(tilesPerSet);
}

QString HighScores::boardKey(int columns, int tilesPerSet) {
    return boardName(columns, columns, tilesPerSet);
}

QString HighScores::entryKey(int rank, bool nameFlag) {
    return (nameFlag ? QStringLiteral("name") : QStringLiteral("value")) + QString::number(rank);
}

QString HighScores::scoreName(const SettingsValues& table, int columns, int tilesPerSet, int rank) {
    return table.get(boardKey(columns, tilesPerSet), entryKey(rank, true));
}

std::int16_t HighScores::scoreValue(const SettingsValues& table, int columns, int tilesPerSet,
                                    int rank) {
    const QString text = table.get(boardKey(columns, tilesPerSet), entryKey(rank, false));
    return NumberText::roundToInt16(NumberText::leadingNumber(text));
}

QString HighScores::scoreName(int columns, int tilesPerSet, int rank) const {
    return scoreName(store_.read(), columns, tilesPerSet, rank);
}

std::int16_t HighScores::scoreValue(int columns, int tilesPerSet, int rank) const {
    return scoreValue(store_.read(), columns, tilesPerSet, rank);
}

bool HighScores::isHighScore(int columns, int tilesPerSet, int score) const {
    return score > scoreValue(columns, tilesPerSet, kRanks);
}

HighScores::Result HighScores::addHighScore(int columns, int tilesPerSet, const QString& name,
                                            int score) {
    Result result;
    const bool saved = store_.update([&](SettingsValues& table) {
        int place = 0;
        for (int rank = 1; rank <= kRanks; ++rank) {
            if (scoreValue(table, columns, tilesPerSet, rank) < score) {
                place = rank;
                break;
            }
        }
        if (place == 0) {
            result.outcome = Outcome::NoLongerHigh;
            return false;
        }
        // Each move reads and writes through the entry procedures, so an
        // empty entry moves down as name "" and score "0".
        for (int rank = kRanks; rank > place; --rank) {
            saveScoreValue(table, columns, tilesPerSet, rank,
                           scoreValue(table, columns, tilesPerSet, rank - 1));
            saveScoreName(table, columns, tilesPerSet, rank,
                          scoreName(table, columns, tilesPerSet, rank - 1));
        }
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        saveScoreName(table, columns, tilesPerSet, place,
                      name + QStringLiteral(" (") + date + QStringLiteral(")"));
        saveScoreValue(table, columns, tilesPerSet, place, score);
        return true;
    });
    if (!saved) {
        result = {Outcome::NotSaved, store_.error()};
    }
    return result;
}

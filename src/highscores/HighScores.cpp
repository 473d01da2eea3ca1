#include "HighScores.h"

#include "NumberText.h"
#include "SettingsStore.h"

#include <QDate>
#include <QLocale>

namespace {

QString nameKey(int rank) {
    return QStringLiteral("name") + QString::number(rank);
}

QString scoreKey(int rank) {
    return QStringLiteral("value") + QString::number(rank);
}

} // namespace

QString HighScores::boardKey(int columns, int tilesPerSet) {
    return QStringLiteral("%1 x %1 match %2").arg(columns).arg(tilesPerSet);
}

QList<HighScoreEntry> HighScores::table(const SettingsValues& values, int columns,
                                        int tilesPerSet) {
    const QString section = boardKey(columns, tilesPerSet);
    QList<HighScoreEntry> entries;
    for (int rank = 1; rank <= kRanks; ++rank) {
        entries.append({values.get(section, nameKey(rank)),
                        NumberText::roundToInt16(
                            NumberText::leadingNumber(values.get(section, scoreKey(rank))))});
    }
    return entries;
}

int HighScores::rankFor(const QList<HighScoreEntry>& table, int score) {
    if (table.isEmpty() || score <= table.last().score) {
        return 0;
    }
    for (int rank = 1; rank <= table.size(); ++rank) {
        if (table.at(rank - 1).score < score) {
            return rank;
        }
    }
    return 0;
}

bool HighScores::isHighScore(int columns, int tilesPerSet, int score) const {
    return rankFor(table(store_.read(), columns, tilesPerSet), score) != 0;
}

HighScores::Result HighScores::addHighScore(int columns, int tilesPerSet, const QString& name,
                                            int score) {
    Result result;
    const bool saved = store_.update([&](SettingsValues& values) {
        QList<HighScoreEntry> entries = table(values, columns, tilesPerSet);
        const int place = rankFor(entries, score);
        if (place == 0) {
            result.outcome = Outcome::NoLongerHigh;
            return false;
        }
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        entries.insert(place - 1, {name + QStringLiteral(" (") + date + QStringLiteral(")"),
                                   static_cast<std::int16_t>(score)});
        // Only the ranks from the new entry down change; the ranks above it
        // stay in the file as they were written.
        const QString section = boardKey(columns, tilesPerSet);
        for (int rank = place; rank <= kRanks; ++rank) {
            values.set(section, nameKey(rank), entries.at(rank - 1).name);
            values.set(section, scoreKey(rank), QString::number(entries.at(rank - 1).score));
        }
        return true;
    });
    if (!saved) {
        result = {Outcome::NotSaved, store_.error()};
    }
    return result;
}

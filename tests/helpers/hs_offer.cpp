// Plays the end of many games in a row against one high-score table, as a
// second running copy of the game would.
// Usage: hs_offer CONFIG_DIR COLUMNS TILES_PER_SET SCORE...
// Waits for one line on standard input before it starts, so that a test can
// set two copies going at the same moment. Each score is entered as
// "Player <score>" when IsHighScore says it qualifies.

#include "HighScores.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: hs_offer CONFIG_DIR COLUMNS TILES_PER_SET SCORE...\n");
        return 2;
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[1]));
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int columns = args.at(2).toInt();
    const int tilesPerSet = args.at(3).toInt();

    std::string go;
    std::getline(std::cin, go);

    for (qsizetype i = 4; i < args.size(); ++i) {
        const int score = args.at(i).toInt();
        if (!HighScores::IsHighScore(columns, tilesPerSet, score)) {
            continue;
        }
        const QString problem = HighScores::AddHighScore(
            columns, tilesPerSet, QStringLiteral("Player %1").arg(score), score);
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
    }
    return 0;
}

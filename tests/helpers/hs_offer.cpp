// hs_offer CONFIG_DIR SCORE...: a second running copy for the lock test. After one
// line on standard input, offers each score on a 6 x 6 match 3 board as "Player <n>".
#include "HighScores.h"

#include <QCoreApplication>
#include <QSettings>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, args.value(1));
    std::string go;
    std::getline(std::cin, go);
    for (qsizetype i = 2; i < args.size(); ++i) {
        const int score = args.at(i).toInt();
        if (HighScores::IsHighScore(6, 3, score) &&
            !HighScores::AddHighScore(6, 3, QStringLiteral("Player %1").arg(score), score)
                 .isEmpty()) {
            return 1;
        }
    }
    return 0;
}

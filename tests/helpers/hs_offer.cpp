// hs_offer SETTINGS_FILE SCORE...: a second running copy for the lock test. After one
// line on standard input, offers each score on a 6 x 6 match 3 board as "Player <n>".
#include "HighScores.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    SettingsStore store(args.value(1));
    HighScores scores(store);
    std::string go;
    std::getline(std::cin, go);
    bool saved = true;
    for (const QString& text : args.mid(2)) {
        const int score = text.toInt();
        saved = saved &&
                (!scores.isHighScore(6, 3, score) ||
                 scores.addHighScore(6, 3, QStringLiteral("Player %1").arg(score), score).outcome !=
                     HighScores::Outcome::NotSaved);
    }
    return saved ? 0 : 1;
}

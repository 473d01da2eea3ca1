// How the program ends: Exit, and the ends from outside, on a signal, at
// log-out or when the display goes away. Each saves what the player decided.
#include "MainWindow.h"

#include "HighScores.h"
#include "OpenBoxes.h"
#include "Preferences.h"
#include "TileBoard.h"

#include <QTimer>
#include <cstdio>
#include <utility>

bool MainWindow::savePreferences() {
    unloaded_ = true;
    const BoardConfig& current = game_.current();
    const QFont font = board_->tileFont();
    return store_.update([&](SettingsValues& values) {
        Preferences::write(values, current);
        Preferences::writeTileFont(values, font);
        return true;
    });
}

void MainWindow::saveDecided() {
    if (finishedScore_) {
        const int score = *std::exchange(finishedScore_, std::nullopt);
        game_.setPlayerName(OpenBoxes::inputText().value_or(game_.playerName()));
        const int columns = game_.current().columns;
        const int tilesPerSet = game_.current().tilesPerSet;
        HighScores scores(store_);
        if (scores.isHighScore(columns, tilesPerSet, score)) {
            const HighScores::Result added =
                scores.addHighScore(columns, tilesPerSet, game_.playerName(), score);
            if (added.outcome == HighScores::Outcome::NotSaved) {
                //: Printed when the program is ended from outside; %1: why, a sentence
                const QString told = tr("tilewise: the high score could not be saved. %1");
                std::fprintf(stderr, "%s\n", qPrintable(told.arg(added.problem)));
            }
        }
    }
    if (!unloaded_ && !savePreferences()) {
        //: Printed when the program is ended from outside; %1: why, a sentence
        const QString told = tr("tilewise: the preferences could not be saved. %1");
        std::fprintf(stderr, "%s\n", qPrintable(told.arg(store_.error())));
    }
}

// The boxes close once what they hold is saved; the window closes once the
// calls that opened them have returned.
void MainWindow::endSession() {
    if (std::exchange(ending_, true)) {
        return;
    }
    saveDecided();
    OpenBoxes::closeAll();
    QTimer::singleShot(0, this, [this] { close(); });
}

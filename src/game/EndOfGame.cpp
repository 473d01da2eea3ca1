#include "MainWindow.h"

#include "Cues.h"
#include "HighScores.h"
#include "NumberText.h"

using NumberText::num;

void MainWindow::tilesMatched(bool gameOver) {
    playCue(*sound_, Cue::Match);
    showStatus(QStringLiteral("Cool. You matched."));
    updateStatusBar();
    if (!gameOver) {
        return;
    }

    const int score = game_.score();
    dialogs_->messageBox(this,
                         QStringLiteral("You Finished.  You matched") + num(game_.numMatches()) +
                             QStringLiteral(" out of") + num(game_.numTurns()) +
                             QStringLiteral(", or ") + num(score) + QStringLiteral("%"),
                         QStringLiteral("Congratulations!"));
    const int columns = game_.current().columns;
    const int tilesPerSet = game_.current().tilesPerSet;
    HighScores scores(store_);
    if (!scores.isHighScore(columns, tilesPerSet, score)) {
        return;
    }

    const QString title = QStringLiteral("New High Score");
    game_.setPlayerName(
        dialogs_->inputBox(this,
                           QStringLiteral("Your score of") + num(score) +
                               QStringLiteral("% is one of the all-time best scores.  ") +
                               QStringLiteral("Please enter your name"),
                           title, game_.playerName()));
    // A score that was not stored is not passed over in silence: the player
    // is told why, and the game goes on.
    const HighScores::Result added =
        scores.addHighScore(columns, tilesPerSet, game_.playerName(), score);
    if (added.outcome == HighScores::Outcome::NotSaved) {
        dialogs_->messageBox(
            this, QStringLiteral("The high score could not be saved. ") + added.problem, title);
    } else if (added.outcome == HighScores::Outcome::NoLongerHigh) {
        dialogs_->messageBox(
            this,
            QStringLiteral("Your score no longer makes the top ten for this board: "
                           "better scores were entered meanwhile."),
            title);
    }
}

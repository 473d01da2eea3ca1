#include "MainWindow.h"

#include "Cues.h"
#include "HighScores.h"
#include "NumberText.h"

using NumberText::Num;

void MainWindow::TilesMatched(bool gameOver) {
    playCue(*sound_, Cue::Match);
    ShowStatus(QStringLiteral("Cool. You matched."));
    UpdateStatusBar();
    if (!gameOver) {
        return;
    }

    const int score = game_.Score();
    dialogs_->messageBox(this,
                         QStringLiteral("You Finished.  You matched") + Num(game_.NumMatches()) +
                             QStringLiteral(" out of") + Num(game_.NumTurns()) +
                             QStringLiteral(", or ") + Num(score) + QStringLiteral("%"),
                         QStringLiteral("Congratulations!"));
    const int columns = game_.Current().columns;
    const int tilesPerSet = game_.Current().tilesPerSet;
    HighScores scores(store_);
    if (!scores.IsHighScore(columns, tilesPerSet, score)) {
        return;
    }

    const QString title = QStringLiteral("New High Score");
    game_.SetPlayerName(
        dialogs_->inputBox(this,
                           QStringLiteral("Your score of") + Num(score) +
                               QStringLiteral("% is one of the all-time best scores.  ") +
                               QStringLiteral("Please enter your name"),
                           title, game_.PlayerName()));
    // A score that was not stored is not passed over in silence: the player
    // is told why, and the game goes on.
    const HighScores::Result added =
        scores.AddHighScore(columns, tilesPerSet, game_.PlayerName(), score);
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

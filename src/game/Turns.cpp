// The turn flow: a tile turned over, the tick that covers a mismatch, and the
// end of a game with its high score.
#include "MainWindow.h"

#include "Announcer.h"
#include "Cues.h"
#include "HighScores.h"
#include "NumberText.h"
#include "TileBoard.h"
#include "TileTexts.h"

#include <QPushButton>
#include <QTimer>
#include <utility>

void MainWindow::clickTile(int index) {
    const std::optional<ClickResult> turn = game_.click(index);
    if (!turn) {
        return; // only a face-down tile turns over
    }
    // Told before the board changes: a screen reader speaks in the order it
    // is told, so the picture comes before where the focus goes next.
    announce(index, *turn);
    board_->showPicture(index);
    notices_.firstClick();
    showStatus(TileTexts::clickedHint(turn->clicksBefore));
    for (int tile : turn->covered) {
        board_->showFace(tile);
    }
    board_->turnOver(index);

    if (turn->outcome == TurnOutcome::Matched) {
        tilesMatched(turn->gameOver);
    } else if (turn->outcome == TurnOutcome::Mismatched) {
        tilesMismatched();
    }

    board_->updateToolTip(index);
    updateStatusBar();
}

void MainWindow::announce(int tile, const ClickResult& turn) {
    if (turn.gameOver) {
        return; // the result box says it, and its opening would cut this short
    }
    if (turn.outcome == TurnOutcome::Mismatched) {
        announcer_->announce(QStringLiteral("No match: ") + board_->pictureName(tile));
    } else if (turn.outcome == TurnOutcome::Matched) {
        announcer_->announce(QStringLiteral("Match: ") + board_->pictureName(tile));
    } else {
        announcer_->announce(board_->faceUpName(tile)); // "Tile 3: cat face"
    }
}

void MainWindow::tick() {
    const QList<int> covered = game_.tick(turnTimer_->interval());
    if (!covered.isEmpty()) {
        for (int tile : covered) {
            board_->showFace(tile);
        }
        updateStatusBar();
    }
}

void MainWindow::tilesMismatched() {
    playCue(*sound_, Cue::Mismatch);
    showStatus(QStringLiteral("Concentrate!"));
}

void MainWindow::tilesMatched(bool gameOver) {
    playCue(*sound_, Cue::Match);
    showStatus(QStringLiteral("Cool. You matched."));
    updateStatusBar();
    if (!gameOver) {
        return;
    }
    const int score = game_.score();
    finishedScore_ = score;
    dialogs_->messageBox(this, TileTexts::finished(game_.numMatches(), game_.numTurns(), score),
                         QStringLiteral("Congratulations!"));
    enterHighScore(score);
}

// A score that was not stored is not passed over in silence: the player is
// told why, and the game goes on. An end of the program while a box is open
// enters the score itself (see saveDecided).
void MainWindow::enterHighScore(int score) {
    const int columns = game_.current().columns;
    const int tilesPerSet = game_.current().tilesPerSet;
    HighScores scores(store_);
    if (!finishedScore_ || !scores.isHighScore(columns, tilesPerSet, score)) {
        finishedScore_.reset();
        return;
    }
    const QString title = QStringLiteral("New High Score");
    const QString answer = dialogs_->inputBox(
        this,
        QStringLiteral("Your score of") + NumberText::num(score) +
            QStringLiteral("% is one of the all-time best scores.  Please enter your name"),
        title, game_.playerName());
    if (!std::exchange(finishedScore_, std::nullopt)) {
        return;
    }
    game_.setPlayerName(answer);
    const HighScores::Result added =
        scores.addHighScore(columns, tilesPerSet, game_.playerName(), score);
    if (added.outcome == HighScores::Outcome::Added) {
        announcer_->announce(QStringLiteral("High score saved."));
    } else if (added.outcome == HighScores::Outcome::NotSaved) {
        dialogs_->messageBox(
            this, QStringLiteral("The high score could not be saved. ") + added.problem, title);
    } else if (added.outcome == HighScores::Outcome::NoLongerHigh) {
        dialogs_->messageBox(this,
                             QStringLiteral("Your score no longer makes the top ten for this "
                                            "board: better scores were entered meanwhile."),
                             title);
    }
}

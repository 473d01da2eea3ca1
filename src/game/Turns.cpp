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
        //: Spoken by a screen reader when a turn ends without a set; %1: the picture just turned
        announcer_->announce(tr("No match: %1").arg(board_->pictureName(tile)));
    } else if (turn.outcome == TurnOutcome::Matched) {
        //: Spoken by a screen reader when a turn finds a set; %1: the picture just turned
        announcer_->announce(tr("Match: %1").arg(board_->pictureName(tile)));
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
    //: Status bar, after a turn that found no set
    showStatus(tr("Concentrate!"));
}

void MainWindow::tilesMatched(bool gameOver) {
    playCue(*sound_, Cue::Match);
    //: Status bar, after a turn that found a set
    showStatus(tr("Cool. You matched."));
    updateStatusBar();
    if (!gameOver) {
        return;
    }
    const int score = game_.score();
    finishedScore_ = score;
    dialogs_->messageBox(this, TileTexts::finished(game_.numMatches(), game_.numTurns(), score),
                         tr("Congratulations!"));
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
    const QString title = tr("New High Score");
    const QString answer = dialogs_->inputBox(
        this,
        //: %1: the score, in percent
        tr("Your score of %1% is one of the all-time best scores.  Please enter your name")
            .arg(NumberText::local(score)),
        title, game_.playerName());
    if (!std::exchange(finishedScore_, std::nullopt)) {
        return;
    }
    game_.setPlayerName(answer);
    const HighScores::Result added =
        scores.addHighScore(columns, tilesPerSet, game_.playerName(), score);
    if (added.outcome == HighScores::Outcome::Added) {
        //: Spoken by a screen reader once the name is entered
        announcer_->announce(tr("High score saved."));
    } else if (added.outcome == HighScores::Outcome::NotSaved) {
        dialogs_->messageBox(
            //: %1: why, a sentence of its own
            this, tr("The high score could not be saved. %1").arg(added.problem), title);
    } else if (added.outcome == HighScores::Outcome::NoLongerHigh) {
        dialogs_->messageBox(this,
                             tr("Your score no longer makes the top ten for this "
                                "board: better scores were entered meanwhile."),
                             title);
    }
}

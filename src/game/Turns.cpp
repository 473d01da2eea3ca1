#include "MainWindow.h"

#include "Announcer.h"
#include "Cues.h"
#include "NumberText.h"
#include "TilePicture.h"

#include <QPushButton>
#include <QTimer>

using NumberText::num;

void MainWindow::clickTile(int index) {
    const std::optional<ClickResult> turn = game_.click(index);
    if (!turn) {
        return; // only a face-down tile turns over
    }
    showPicture(index); // when idle time has not come to it yet
    if (noticesHold_) {
        // The board's first click: the start-up news has been seen.
        noticesHold_ = false;
        news_.clear();
    }
    const int n = turn->clicksBefore;
    showStatus(n >= 2 ? QStringLiteral("You've clicked this") + num(n) +
                            QStringLiteral(" times already.")
                      : QString());
    coverTiles(turn->covered);
    const bool focused = tileButton(index)->hasFocus();
    showFace(index);
    if (focused || focusWidget() == nullptr || focusWidget()->isHidden()) {
        focusTile(game_.nextFaceDown(index));
    }
    announce(index, *turn);

    if (turn->outcome == TurnOutcome::Matched) {
        tilesMatched(turn->gameOver);
    } else if (turn->outcome == TurnOutcome::Mismatched) {
        tilesMismatched();
    }

    tileButton(index)->setToolTip(tileToolTip(index));
    updateStatusBar();
}

void MainWindow::coverTiles(const QList<int>& tiles) {
    for (int tile : tiles) {
        showFace(tile);
    }
}

// Told to the screen reader without moving the focus: the picture of a tile
// turned while the turn goes on, and how the turn ended.
void MainWindow::announce(int tile, const ClickResult& turn) {
    QStringList names;
    for (int t : turn.turn) {
        names.append(pictureName(t));
    }
    if (turn.outcome == TurnOutcome::Mismatched) {
        announcer_->announce(QStringLiteral("No match: ") + names.join(QStringLiteral(", ")));
    } else if (turn.outcome == TurnOutcome::Matched) {
        QString text = QStringLiteral("Match: ") + names.value(0);
        if (turn.gameOver) {
            text += QStringLiteral(". Game over: %1 matches in %2 turns, %3%")
                        .arg(game_.numMatches())
                        .arg(game_.numTurns())
                        .arg(game_.score());
        }
        announcer_->announce(text);
    } else {
        announcer_->announce(tilePicture(tile)->accessibleName()); // "Tile 3: cat face"
    }
}

void MainWindow::tilesMismatched() {
    playCue(*sound_, Cue::Mismatch);
    showStatus(QStringLiteral("Concentrate!"));
}

void MainWindow::tick() {
    const QList<int> covered = game_.tick(turnTimer_->interval());
    if (!covered.isEmpty()) {
        coverTiles(covered);
        updateStatusBar();
    }
}

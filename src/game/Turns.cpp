#include "MainWindow.h"

#include "Announcer.h"
#include "Cues.h"
#include "NumberText.h"
#include "TilePicture.h"

#include <QPushButton>
#include <QTimer>

using NumberText::Num;

void MainWindow::clickTile(int Index) {
    const std::optional<ClickResult> turn = game_.Click(Index);
    if (!turn) {
        return; // only a face-down tile turns over
    }
    ShowPicture(Index); // when idle time has not come to it yet
    if (noticesHold_) {
        // The board's first click: the start-up news has been seen.
        noticesHold_ = false;
        news_.clear();
    }
    const int n = turn->clicksBefore;
    ShowStatus(n >= 2 ? QStringLiteral("You've clicked this") + Num(n) +
                            QStringLiteral(" times already.")
                      : QString());
    CoverTiles(turn->covered);
    const bool focused = tileButton(Index)->hasFocus();
    ShowFace(Index);
    if (focused || focusWidget() == nullptr || focusWidget()->isHidden()) {
        FocusTile(game_.NextFaceDown(Index));
    }
    Announce(Index, *turn);

    if (turn->outcome == TurnOutcome::Matched) {
        TilesMatched(turn->gameOver);
    } else if (turn->outcome == TurnOutcome::Mismatched) {
        TilesMismatched();
    }

    tileButton(Index)->setToolTip(tileToolTip(Index));
    UpdateStatusBar();
}

void MainWindow::CoverTiles(const QList<int>& tiles) {
    for (int tile : tiles) {
        ShowFace(tile);
    }
}

// Told to the screen reader without moving the focus: the picture of a tile
// turned while the turn goes on, and how the turn ended.
void MainWindow::Announce(int tile, const ClickResult& turn) {
    QStringList names;
    for (int t : turn.turn) {
        names.append(PictureName(t));
    }
    if (turn.outcome == TurnOutcome::Mismatched) {
        announcer_->Announce(QStringLiteral("No match: ") + names.join(QStringLiteral(", ")));
    } else if (turn.outcome == TurnOutcome::Matched) {
        QString text = QStringLiteral("Match: ") + names.value(0);
        if (turn.gameOver) {
            text += QStringLiteral(". Game over: %1 matches in %2 turns, %3%")
                        .arg(game_.NumMatches())
                        .arg(game_.NumTurns())
                        .arg(game_.Score());
        }
        announcer_->Announce(text);
    } else {
        announcer_->Announce(tilePicture(tile)->accessibleName()); // "Tile 3: cat face"
    }
}

void MainWindow::TilesMismatched() {
    playCue(*sound_, Cue::Mismatch);
    ShowStatus(QStringLiteral("Concentrate!"));
}

void MainWindow::tick() {
    const QList<int> covered = game_.Tick(turnTimer_->interval());
    if (!covered.isEmpty()) {
        CoverTiles(covered);
        UpdateStatusBar();
    }
}

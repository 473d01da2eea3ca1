#include "frmTilewise.h"

#include "Misc.h"
#include "NumberText.h"

#include <QPushButton>
#include <QTimer>

using NumberText::Num;

void frmTilewise::btns_Click(int Index) {
    const std::optional<ClickResult> turn = game_.Click(Index);
    if (!turn) {
        return; // only a face-down tile turns over
    }
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
    btns(Index)->setVisible(!game_.IsFaceUp(Index));

    if (turn->outcome == TurnOutcome::Matched) {
        TilesMatched(turn->gameOver);
    } else if (turn->outcome == TurnOutcome::Mismatched) {
        TilesMismatched();
    }

    btns(Index)->setToolTip(GetTileToolTip(Index));
    UpdateStatusBar();
}

void frmTilewise::CoverTiles(const QList<int>& tiles) {
    for (int tile : tiles) {
        btns(tile)->show();
    }
}

void frmTilewise::TilesMismatched() {
    Misc::PlaySound(*mmc1_, Misc::Cue::Mismatch);
    ShowStatus(QStringLiteral("Concentrate!"));
}

void frmTilewise::tmrTimer_Timer() {
    const QList<int> covered = game_.Tick(tmrTimer_->interval());
    if (!covered.isEmpty()) {
        CoverTiles(covered);
        UpdateStatusBar();
    }
}

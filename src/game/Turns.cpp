#include "frmTilewise.h"

#include "Misc.h"
#include "NumberText.h"

#include <QPushButton>
#include <QTimer>

using NumberText::Num;

void frmTilewise::btns_Click(int Index) {
    const auto tile = static_cast<std::size_t>(Index);
    const int n = iTileClicks.at(tile);
    if (n >= 2) {
        ShowStatus(QStringLiteral("You've clicked this") + Num(n) +
                   QStringLiteral(" times already."));
    } else {
        ShowStatus(QString());
    }

    if (iNumUncovered >= iNumTilesToMatch) {
        CoverTiles();
    }

    QPushButton* button = btns(Index);
    button->setHidden(!button->isHidden());

    if (iNumUncovered < kMaxTurnTiles) {
        iUncoveredTiles.at(static_cast<std::size_t>(iNumUncovered)) =
            static_cast<std::int16_t>(Index);
        ++iNumUncovered;
    }

    if (IsMatch()) {
        TilesMatched();
    } else if (iNumUncovered >= iNumTilesToMatch) {
        TilesMismatched();
    }

    ++iTileClicks.at(tile);
    button->setToolTip(GetTileToolTip(Index));
    UpdateStatusBar();
}

void frmTilewise::CoverTiles() {
    for (int k = 0; k < iNumUncovered; ++k) {
        btns(iUncoveredTiles.at(static_cast<std::size_t>(k)))->show();
    }
    iNumUncovered = 0;
}

void frmTilewise::TilesMismatched() {
    Misc::PlaySound(mmc1(), Misc::Cue::Mismatch);
    ++iNumMismatches;
    ShowStatus(QStringLiteral("Concentrate!"));
}

void frmTilewise::tmrTimer_Timer() {
    if (iNumUncovered < iNumTilesToMatch) {
        iCoverElapsed = 0;
    } else if (iCoverElapsed < iCoverDelay) {
        iCoverElapsed = static_cast<std::int16_t>(iCoverElapsed + tmrTimer_->interval());
    } else {
        CoverTiles();
        UpdateStatusBar();
    }
}

#include "frmTilewise.h"

#include "frmAbout.h"
#include "frmHighScores.h"
#include "frmPreferences.h"

#include <QPushButton>
#include <algorithm>
#include <exception>

// Each dialog lives for one opening: built (and filled) here, shown modally
// over this window, which also centres it, and gone when the call returns.

void frmTilewise::mnuGameHighScores_Click() {
    frmHighScores dialog(*this, this);
    dialog.exec();
}

void frmTilewise::mnuEditPreferences_Click() {
    iNewNumColumns = iNumColumns;
    iNewNumRows = iNumRows;
    iNewNumTilesToMatch = iNumTilesToMatch;
    iNewCategoryIndex = iCategoryIndex;
    iNewNumPlayers = iNumPlayers;
    {
        frmPreferences dialog(*this, this);
        dialog.exec();
    }
    if (iNewNumColumns != iNumColumns || iNewNumRows != iNumRows ||
        iNewNumTilesToMatch != iNumTilesToMatch || iNewCategoryIndex != iCategoryIndex ||
        iNewNumPlayers != iNumPlayers) {
        mnuGameNew_Click();
    }
}

void frmTilewise::mnuEditFont_Click() {
    const std::optional<QFont> chosen = dialogs().ChooseFont(this, btns(0)->font());
    if (!chosen) {
        return;
    }
    try {
        const int tiles = std::min(iNumColumns * iNumRows, TileControls());
        for (int i = 0; i < tiles; ++i) {
            QPushButton* tile = btns(i);
            QFont font = tile->font();
            font.setFamily(chosen->family());
            font.setPointSizeF(chosen->pointSizeF());
            font.setBold(chosen->bold());
            font.setItalic(chosen->italic());
            font.setUnderline(chosen->underline());
            font.setStrikeOut(chosen->strikeOut());
            tile->setFont(font);
        }
    } catch (const std::exception&) {
        // Left quietly, like a cancel; the tiles already changed keep the new font.
    }
}

void frmTilewise::mnuHelpAbout_Click() {
    frmAbout dialog(this);
    dialog.exec();
}

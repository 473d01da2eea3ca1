#include "frmTilewise.h"

#include "WaitCursor.h"

#include <QPushButton>

// Gives the game up: every tile uncovered, the turn dropped so the timer
// covers nothing again. The status bar keeps its texts.
void frmTilewise::mnuGameRevealAll_Click() {
    const WaitCursor hourglass;
    ShowStatus(QStringLiteral("Revealing all tiles..."));
    game_.RevealAll();
    for (int i = 0; i < game_.TileCount(); ++i) {
        btns(i)->setVisible(!game_.IsFaceUp(i));
    }
    ShowStatus(QString());
}

#include "MainWindow.h"

#include "WaitCursor.h"

// Gives the game up: every tile uncovered, the turn dropped so the timer
// covers nothing again. The status bar keeps its texts.
void MainWindow::revealAll() {
    const WaitCursor hourglass;
    ShowStatus(QStringLiteral("Revealing all tiles..."));
    FinishPictures();
    game_.RevealAll();
    for (int i = 0; i < game_.TileCount(); ++i) {
        ShowFace(i);
    }
    FocusTile(-1);
    ShowStatus(QString());
}

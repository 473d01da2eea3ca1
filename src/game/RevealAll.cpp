#include "MainWindow.h"

#include "WaitCursor.h"

// Gives the game up: every tile uncovered, the turn dropped so the timer
// covers nothing again. The status bar keeps its texts.
void MainWindow::revealAll() {
    const WaitCursor hourglass;
    showStatus(QStringLiteral("Revealing all tiles..."));
    finishPictures();
    game_.revealAll();
    for (int i = 0; i < game_.tileCount(); ++i) {
        showFace(i);
    }
    focusTile(-1);
    showStatus(QString());
}

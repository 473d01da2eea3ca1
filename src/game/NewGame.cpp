#include "MainWindow.h"

#include "WaitCursor.h"

#include <optional>

// The new game is dealt aside first; the board in play is replaced only once
// the deal has succeeded, so a failure leaves the game in progress as it was.
void MainWindow::newGame() {
    std::optional<WaitCursor> hourglass(std::in_place);
    showStatus(QStringLiteral("Starting new game..."));
    GameState next = game_;
    next.initialize();
    showStatus(QStringLiteral("Unloading images..."));
    next.makeNextCurrent();
    showStatus(QStringLiteral("Randomizing array..."));
    if (!next.deal(*random_)) {
        showStatus(QString());
        hourglass.reset();
        dialogs_->messageBox(
            this,
            QStringLiteral("A new game could not be started: Tilewise deals boards "
                           "of 4 x 4 to 10 x 10 tiles with sets of 2 to 5 tiles. "
                           "The game in progress goes on."),
            QStringLiteral("Tilewise"));
        return;
    }
    showStatus(QStringLiteral("Loading images..."));
    unloadImages();
    game_ = std::move(next);
    loadImages();
    showStatus(QString());
}

// The menu commands besides Exit: a new game, Reveal All and the dialogs.
// Each dialog lives for one opening: built (and filled) here, shown modally
// over this window, which also centres it, and gone when the call returns.
#include "MainWindow.h"

#include "AboutDialog.h"
#include "HighScoresDialog.h"
#include "PreferencesDialog.h"
#include "TileBoard.h"
#include "WaitCursor.h"

#include <QFontInfo>
#include <optional>

// The new game is dealt aside first; the board in play is replaced only once
// the deal has succeeded, so a failure leaves the game in progress as it was.
void MainWindow::newGame() {
    std::optional<WaitCursor> hourglass(std::in_place);
    //: Status bar: the steps of dealing a new game, each shown for a moment
    showStatus(tr("Starting new game..."));
    GameState next = game_;
    next.initialize();
    showStatus(tr("Unloading images..."));
    next.makeNextCurrent();
    showStatus(tr("Randomizing array..."));
    if (!next.deal(*random_)) {
        showStatus(QString());
        hourglass.reset();
        dialogs_->messageBox(this,
                             tr("A new game could not be started: Tilewise deals "
                                "boards of 4 x 4 to 10 x 10 tiles with sets of 2 to "
                                "5 tiles. The game in progress goes on."),
                             QStringLiteral("Tilewise"));
        return;
    }
    showStatus(tr("Loading images..."));
    board_->clear();
    game_ = std::move(next);
    buildBoard();
    notices_.setBoardNotices({});
    updateStatusBar();
    showStatus(QString());
}

// Gives the game up: every tile uncovered, the turn dropped so the timer
// covers nothing again. The status bar keeps its texts. Pictures not decoded
// yet show as they come, their decoding begun if it had not: waiting for
// them froze the window for seconds with large photos.
void MainWindow::revealAll() {
    const WaitCursor hourglass;
    showStatus(tr("Revealing all tiles..."));
    board_->startPictures();
    game_.revealAll();
    for (int i = 0; i < game_.tileCount(); ++i) {
        board_->showFace(i);
    }
    board_->focusTile(-1);
    showStatus(QString());
}

void MainWindow::showHighScores() {
    HighScoresDialog dialog(game_.current(), store_.read(), this);
    dialog.exec();
}

void MainWindow::editPreferences() {
    game_.offerCurrentAsNext();
    {
        PreferencesDialog dialog(game_, this);
        dialog.exec();
    }
    if (game_.nextDiffers()) {
        newGame();
    }
}

void MainWindow::chooseTileFont() {
    // The dialog is preset with the family the tiles are really drawn in: an
    // alias such as "Arial" is not in its list, and OK would then switch the
    // tiles to the dialog's fallback.
    QFont initial = board_->tileFont();
    initial.setFamily(QFontInfo(initial).family());
    if (const std::optional<QFont> chosen = dialogs_->chooseFont(this, initial)) {
        board_->setTileFont(*chosen);
    }
}

void MainWindow::showAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

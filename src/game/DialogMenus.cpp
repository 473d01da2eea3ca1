#include "MainWindow.h"

#include "AboutDialog.h"
#include "HighScoresDialog.h"
#include "PreferencesDialog.h"

#include <QFontInfo>
#include <QPushButton>

// Each dialog lives for one opening: built (and filled) here, shown modally
// over this window, which also centres it, and gone when the call returns.

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
    QFont initial = tileButton(0)->font();
    initial.setFamily(QFontInfo(initial).family());
    const std::optional<QFont> chosen = dialogs_->chooseFont(this, initial);
    if (!chosen) {
        return;
    }
    for (int i = 0; i < game_.tileCount(); ++i) {
        QPushButton* tile = tileButton(i);
        QFont font = tile->font();
        font.setFamily(chosen->family());
        font.setPointSizeF(chosen->pointSizeF());
        font.setBold(chosen->bold());
        font.setItalic(chosen->italic());
        font.setUnderline(chosen->underline());
        font.setStrikeOut(chosen->strikeOut());
        tile->setFont(font);
    }
}

void MainWindow::showAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

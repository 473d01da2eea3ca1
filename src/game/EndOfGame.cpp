#include "frmTilewise.h"

#include "HighScores.h"
#include "Misc.h"
#include "NumberText.h"

using NumberText::Num;

void frmTilewise::TilesMatched() {
    iNumUncovered = 0;
    Misc::PlaySound(mmc1(), Misc::Cue::Match);
    ++iNumMatches;
    ShowStatus(QStringLiteral("Cool. You matched."));
    UpdateStatusBar();
    if (iNumMatches != iNumSets) {
        return;
    }

    dialogs().MsgBox(this,
                     QStringLiteral("You Finished.  You matched") + Num(iNumMatches) +
                         QStringLiteral(" out of") + Num(iNumTurns) + QStringLiteral(", or ") +
                         Num(iScore) + QStringLiteral("%"),
                     QStringLiteral("Congratulations!"));
    if (!HighScores::IsHighScore(iNumColumns, iNumTilesToMatch, iScore)) {
        return;
    }

    const QString title = QStringLiteral("New High Score");
    sPlayerName = dialogs().InputBox(this,
                                     QStringLiteral("Your score of") + Num(iScore) +
                                         QStringLiteral("% is one of the all-time best scores.  ") +
                                         QStringLiteral("Please enter your name"),
                                     title, sPlayerName);
    if (sPlayerName.isEmpty()) {
        sPlayerName = QStringLiteral("No Name");
    }
    // A score that could not be stored is not passed over in silence: the
    // player is told why, and the game goes on.
    const QString failure =
        HighScores::AddHighScore(iNumColumns, iNumTilesToMatch, sPlayerName, iScore);
    if (!failure.isEmpty()) {
        dialogs().MsgBox(this, failure, title);
    }
}

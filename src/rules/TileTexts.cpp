#include "TileTexts.h"

#include "NumberText.h"

#include <QCoreApplication>

using NumberText::local;

namespace TileTexts {

// English keeps its own rule: 0 and 1 take "time", so each form is a text of
// its own, each translated with the language's plural forms.
QString toolTip(int uncoveredBefore) {
    if (uncoveredBefore > 1) {
        //: A tile's tool tip: how often it was face up before. English uses this text from 2
        //: on; give every plural form.
        return QCoreApplication::translate("TileTexts", "Uncovered %Ln times before", nullptr,
                                           uncoveredBefore);
    }
    //: A tile's tool tip: how often it was face up before. English uses this text for 0 and 1;
    //: give every plural form.
    return QCoreApplication::translate("TileTexts", "Uncovered %Ln time before", nullptr,
                                       uncoveredBefore);
}

QString clickedHint(int clicksBefore) {
    if (clicksBefore < 2) {
        return QString();
    }
    //: Status bar, when a tile is turned again; said from 2 times before on
    return QCoreApplication::translate("TileTexts", "You've clicked this %Ln times already.",
                                       nullptr, clicksBefore);
}

QString place(int tile, int columns) {
    //: Where a tile lies, as a screen reader says it
    return QCoreApplication::translate("TileTexts", "row %1, column %2")
        .arg(local(tile / columns + 1), local(tile % columns + 1));
}

QString matchesPanel(int matches, int turns, int score) {
    //: Status bar panel 1, kept short: sets found / turns taken, and the share of the turns
    //: that found a set, in percent
    return QCoreApplication::translate("TileTexts", "Matches: %1 / %2,  %3% ")
        .arg(local(matches), local(turns), local(score));
}

QString uncoveredPanel(int uncovered, int tilesPerSet) {
    //: Status bar panel 2, kept short: tiles face up in this turn / tiles a set has
    return QCoreApplication::translate("TileTexts", "Uncovered: %1 / %2")
        .arg(local(uncovered), local(tilesPerSet));
}

QString finished(int matches, int turns, int score) {
    //: The result box at the end of a game: sets found, turns taken, and the share in percent
    return QCoreApplication::translate("TileTexts",
                                       "You Finished.  You matched %1 out of %2, or  %3%")
        .arg(local(matches), local(turns), local(score));
}

} // namespace TileTexts

#include "TileTexts.h"

#include "NumberText.h"

using NumberText::num;

namespace TileTexts {

QString toolTip(int uncoveredBefore) {
    const QString ending = uncoveredBefore > 1 ? QStringLiteral("s") : QString();
    return QStringLiteral("Uncovered") + num(uncoveredBefore) + QStringLiteral(" time") + ending +
           QStringLiteral(" before");
}

QString clickedHint(int clicksBefore) {
    if (clicksBefore < 2) {
        return QString();
    }
    return QStringLiteral("You've clicked this") + num(clicksBefore) +
           QStringLiteral(" times already.");
}

// Joined piece by piece: arg() would parse a pattern for every tile.
QString place(int tile, int columns) {
    return QStringLiteral("row ") + QString::number(tile / columns + 1) +
           QStringLiteral(", column ") + QString::number(tile % columns + 1);
}

QString matchesPanel(int matches, int turns, int score) {
    return QStringLiteral("Matches:") + num(matches) + QStringLiteral(" /") + num(turns) +
           QStringLiteral(", ") + num(score) + QStringLiteral("% ");
}

QString uncoveredPanel(int uncovered, int tilesPerSet) {
    return QStringLiteral("Uncovered:") + num(uncovered) + QStringLiteral(" /") + num(tilesPerSet);
}

QString finished(int matches, int turns, int score) {
    return QStringLiteral("You Finished.  You matched") + num(matches) + QStringLiteral(" out of") +
           num(turns) + QStringLiteral(", or ") + num(score) + QStringLiteral("%");
}

} // namespace TileTexts

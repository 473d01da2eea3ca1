#include "frmTilewise.h"

#include "NumberText.h"

#include <QLabel>

using NumberText::Num;

void frmTilewise::ShowStatus(const QString& message) {
    panels_.at(2)->setText(message.isEmpty() ? boardNotice_ : message);
}

void frmTilewise::UpdateStatusBar() {
    ComputeScore();
    panels_.at(0)->setText(QStringLiteral("Matches:") + Num(iNumMatches) + QStringLiteral(" /") +
                           Num(iNumTurns) + QStringLiteral(", ") + Num(iScore) +
                           QStringLiteral("% "));
    panels_.at(1)->setText(QStringLiteral("Uncovered:") + Num(iNumUncovered) +
                           QStringLiteral(" /") + Num(iNumTilesToMatch));
}

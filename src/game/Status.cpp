#include "MainWindow.h"

#include "NumberText.h"

#include <QLabel>

using NumberText::Num;

void MainWindow::ShowStatus(const QString& message) {
    const QList<Notice> notices = news_ + boardNotices_;
    const bool showNotices = message.isEmpty() || (noticesHold_ && !notices.isEmpty());
    QStringList texts;
    QStringList details;
    for (const Notice& notice : std::as_const(notices)) {
        texts.append(notice.text);
        details.append(notice.detail);
    }
    QLabel* panel = panels_.at(2);
    panel->setText(showNotices ? texts.join(QStringLiteral("  ")) : message);
    panel->setToolTip(showNotices ? details.join(QLatin1Char('\n')) : QString());
}

void MainWindow::SetBoardNotices(QList<Notice> notices) {
    boardNotices_ = std::move(notices);
    noticesHold_ = true;
}

void MainWindow::UpdateStatusBar() {
    panels_.at(0)->setText(QStringLiteral("Matches:") + Num(game_.NumMatches()) +
                           QStringLiteral(" /") + Num(game_.NumTurns()) + QStringLiteral(", ") +
                           Num(game_.Score()) + QStringLiteral("% "));
    panels_.at(1)->setText(QStringLiteral("Uncovered:") + Num(game_.NumUncovered()) +
                           QStringLiteral(" /") + Num(game_.Current().tilesPerSet));
}

QString MainWindow::tileToolTip(int Index) const {
    const int n = game_.TileClicks(Index);
    const QString ending = n > 1 ? QStringLiteral("s") : QString();
    return QStringLiteral("Uncovered") + Num(n) + QStringLiteral(" time") + ending +
           QStringLiteral(" before");
}

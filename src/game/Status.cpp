#include "MainWindow.h"

#include "NumberText.h"

#include <QLabel>

using NumberText::num;

void MainWindow::showStatus(const QString& message) {
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

void MainWindow::setBoardNotices(QList<Notice> notices) {
    boardNotices_ = std::move(notices);
    noticesHold_ = true;
}

void MainWindow::updateStatusBar() {
    panels_.at(0)->setText(QStringLiteral("Matches:") + num(game_.numMatches()) +
                           QStringLiteral(" /") + num(game_.numTurns()) + QStringLiteral(", ") +
                           num(game_.score()) + QStringLiteral("% "));
    panels_.at(1)->setText(QStringLiteral("Uncovered:") + num(game_.numUncovered()) +
                           QStringLiteral(" /") + num(game_.current().tilesPerSet));
}

QString MainWindow::tileToolTip(int index) const {
    const int n = game_.tileClicks(index);
    const QString ending = n > 1 ? QStringLiteral("s") : QString();
    return QStringLiteral("Uncovered") + num(n) + QStringLiteral(" time") + ending +
           QStringLiteral(" before");
}

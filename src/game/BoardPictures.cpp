#include "MainWindow.h"

#include "Placeholder.h"
#include "TilePicture.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

namespace {

// The notice for pictures a board could not show: the first file's name in
// the panel, the paths in full (the first ten) in its tool tip. Built in one
// step, so that a name holding "%1" stays as it is.
QList<MainWindow::Notice> missingNotice(const QStringList& files) {
    if (files.isEmpty()) {
        return {};
    }
    const QString name = QFileInfo(files.first()).fileName();
    const QString text = files.size() == 1
                             ? QStringLiteral("Picture missing or unreadable: %1").arg(name)
                             : QStringLiteral("Picture missing or unreadable: %1 and %2 more")
                                   .arg(name, QString::number(files.size() - 1));
    QStringList shown;
    for (const QString& file : files.mid(0, 10)) {
        shown.append(QDir::toNativeSeparators(file));
    }
    if (files.size() > 10) {
        shown.append(QStringLiteral("and %1 more").arg(files.size() - 10));
    }
    return {{text,
             QStringLiteral("Pictures missing or unreadable:\n") + shown.join(QLatin1Char('\n'))}};
}

} // namespace

void MainWindow::showPicture(int tile) {
    const auto found = std::find_if(pending_.begin(), pending_.end(),
                                    [tile](const PendingPicture& p) { return p.tile == tile; });
    if (found == pending_.end()) {
        return;
    }
    const PendingPicture picture = *found;
    pending_.erase(found);
    const qreal ratio = devicePixelRatioF();
    // Decoded once at the nominal size and kept; a tile a pixel off gets a
    // stretched copy, so painting never scales.
    // The file is looked for here, in idle time, not while the board is made.
    const int number = game_.tileImage(tile);
    const QString file = pictureFile(number);
    QPixmap pixmap = pictureCache_.load(file, picture.pixels, picture.shown, ratio);
    if (pixmap.isNull()) {
        if (!missing_.contains(file)) {
            missing_.append(file);
        }
        QPixmap& standIn = standIns_[{number, picture.shown.width(), picture.shown.height()}];
        if (standIn.isNull()) {
            standIn = drawPlaceholder(number, picture.shown, ratio, tileButton(tile)->font());
        }
        pixmap = standIn;
    }
    pixmap.setDevicePixelRatio(ratio);
    if (tilePicture(tile) == nullptr) {
        makePicture(tile);
    }
    tilePicture(tile)->setPicture(pixmap);
    if (pending_.isEmpty()) {
        decodeTimer_->stop();
        // Told once every picture has been tried, and held until the next
        // click; a board with all its pictures leaves the panel as it is.
        if (const QList<Notice> notices = missingNotice(missing_); !notices.isEmpty()) {
            setBoardNotices(notices);
            showStatus(QString());
        }
        emit picturesShown();
    }
}

void MainWindow::showNextPicture() {
    if (!pending_.isEmpty()) {
        showPicture(pending_.front().tile);
    }
}

void MainWindow::finishPictures() {
    while (!pending_.isEmpty()) {
        showNextPicture();
    }
}

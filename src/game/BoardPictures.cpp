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
QList<MainWindow::Notice> MissingNotice(const QStringList& files) {
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

void MainWindow::ShowPicture(int tile) {
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
    const int number = game_.TileImage(tile);
    const QString file = PictureFile(number);
    QPixmap pixmap = pictureCache_.Load(file, picture.pixels, picture.shown, ratio);
    if (pixmap.isNull()) {
        if (!missing_.contains(file)) {
            missing_.append(file);
        }
        QPixmap& standIn = standIns_[{number, picture.shown.width(), picture.shown.height()}];
        if (standIn.isNull()) {
            standIn = DrawPlaceholder(number, picture.shown, ratio, tileButton(tile)->font());
        }
        pixmap = standIn;
    }
    pixmap.setDevicePixelRatio(ratio);
    if (tilePicture(tile) == nullptr) {
        MakePicture(tile);
    }
    tilePicture(tile)->SetPicture(pixmap);
    if (pending_.isEmpty()) {
        decodeTimer_->stop();
        // Told once every picture has been tried, and held until the next
        // click; a board with all its pictures leaves the panel as it is.
        if (const QList<Notice> notices = MissingNotice(missing_); !notices.isEmpty()) {
            SetBoardNotices(notices);
            ShowStatus(QString());
        }
        emit PicturesShown();
    }
}

void MainWindow::ShowNextPicture() {
    if (!pending_.isEmpty()) {
        ShowPicture(pending_.front().tile);
    }
}

void MainWindow::FinishPictures() {
    while (!pending_.isEmpty()) {
        ShowNextPicture();
    }
}

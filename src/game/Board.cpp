#include "MainWindow.h"

#include "BoardGeometry.h"
#include "FolderListing.h"
#include "TileButton.h"
#include "TilePicture.h"
#include "Twips.h"

#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

// Pixel edges of a run of abutting tiles: each edge is rounded once, so
// neighbours share it and no gap opens between them.
struct Span {
    int start;
    int length;
};

Span toPixels(int fromTwips, int lengthTwips, double dpi) {
    const int start = Twips::toPixels(fromTwips, dpi);
    return {start, Twips::toPixels(fromTwips + lengthTwips, dpi) - start};
}

// The spoken names of a category's pictures, one a line, from its names.txt
// when it has one.
QStringList pictureNames(const QString& category) {
    QFile file(category + QStringLiteral("/names.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QStringList names = QString::fromUtf8(file.read(64 * 1024)).split(QLatin1Char('\n'));
    for (QString& name : names) {
        name = name.trimmed();
    }
    return names;
}

} // namespace

QString MainWindow::pictureFile(int pictureNumber) const {
    return FolderListing::shownFile(
        dataFolder_ + (pictureNumber == -1
                           ? QStringLiteral("/free")
                           : QStringLiteral("/imgs/") + game_.categoryName() + QLatin1Char('/') +
                                 FolderListing::pictureBase(pictureNumber)));
}

void MainWindow::loadImages() {
    const double dpi = Twips::logicalDpi(this);
    const qreal ratio = devicePixelRatioF();
    const int columns = game_.current().columns;
    // The client area starts below the menu bar and ends at the status bar.
    const BoardGeometry g =
        computeBoardGeometry(Twips::fromPixels(client_->width(), dpi),
                             Twips::fromPixels(client_->height(), dpi), columns, columns);

    // Every picture is decoded once, at the board's nominal tile size.
    const QSize pixels = (QSizeF(Twips::toPixels(g.w, dpi), Twips::toPixels(g.h, dpi)) * ratio)
                             .toSize()
                             .expandedTo(QSize(1, 1));
    int x = kBoardMargin;
    int y = kBoardMargin;
    const int tiles = game_.tileCount();
    pending_.clear();
    missing_.clear();
    standIns_.clear();
    pictureNames_ = pictureNames(dataFolder_ + QStringLiteral("/imgs/") + game_.categoryName());

    // The tiles' numbers: the chosen font at the board's size, not bold.
    QFont font = buttons_.front()->font();
    font.setPointSize(g.f);
    font.setBold(false);

    client_->setUpdatesEnabled(false);
    for (int i = 0; i < tiles; ++i) {
        if (i >= 1) {
            auto* button = new TileButton(client_);
            button->setObjectName(QStringLiteral("btns"));
            connect(button, &QPushButton::clicked, this, [this, i] { clickTile(i); });
            buttons_.append(button);
            tilePictures_.append(nullptr);
        }

        const Span across = toPixels(x, g.w, dpi);
        const Span down = toPixels(y, g.h, dpi);
        const QRect place(across.start, down.start, across.length, down.length);

        QPushButton* button = buttons_.at(i);
        button->setGeometry(place);
        button->setText(QString::number(i + 1));
        button->setFont(font);
        button->setToolTip(tileToolTip(i));

        if (TilePicture* picture = tilePicture(i)) { // element 0, kept from board to board
            picture->setGeometry(place);
            picture->setVisible(true);
            picture->setPicture(QPixmap());
        }
        nameForScreenReaders(i);
        showFace(i);
        // Pictures are decoded after the first frame, in idle time, or at
        // once for a tile clicked before its turn came.
        pending_.append({i, pixels, (QSizeF(place.size()) * ratio).toSize()});

        if (i % columns == columns - 1) {
            y += g.h;
            x = kBoardMargin;
        } else {
            x += g.w;
        }
    }
    client_->setUpdatesEnabled(true);

    setBoardNotices({});
    // Free tiles lie face up: theirs are the first pictures decoded.
    std::stable_partition(pending_.begin(), pending_.end(),
                          [this](const PendingPicture& p) { return game_.isFaceUp(p.tile); });
    if (onScreen_) {
        decodeTimer_->start();
    }
    focusTile(game_.firstFaceDown());
    updateStatusBar();
}

void MainWindow::showFace(int tile) {
    tileButton(tile)->setVisible(!game_.isFaceUp(tile));
}

void MainWindow::makePicture(int tile) {
    auto* picture = new TilePicture(client_);
    picture->setObjectName(QStringLiteral("imgs"));
    picture->setGeometry(tileButton(tile)->geometry());
    picture->setCover(tileButton(tile));
    picture->stackUnder(tileButton(tile));
    tilePictures_.replace(tile, picture);
    namePicture(tile);
    picture->show();
}

// Joined piece by piece: arg() would parse a pattern for every tile.
QString MainWindow::tilePlace(int tile) const {
    const int columns = game_.current().columns;
    return QStringLiteral(", row ") + QString::number(tile / columns + 1) +
           QStringLiteral(", column ") + QString::number(tile % columns + 1);
}

void MainWindow::nameForScreenReaders(int tile) {
    tileButton(tile)->setAccessibleName(QStringLiteral("Tile ") + QString::number(tile + 1));
    tileButton(tile)->setAccessibleDescription(QStringLiteral("Face down") + tilePlace(tile));
    if (tilePicture(tile) != nullptr) {
        namePicture(tile);
    }
}

void MainWindow::namePicture(int tile) {
    tilePicture(tile)->setAccessibleName(QStringLiteral("Tile ") + QString::number(tile + 1) +
                                         QStringLiteral(": ") + pictureName(tile));
    tilePicture(tile)->setAccessibleDescription(QStringLiteral("Face up") + tilePlace(tile));
}

QString MainWindow::pictureName(int tile) const {
    const int picture = game_.tileImage(tile);
    if (picture < 0) {
        return QStringLiteral("free");
    }
    const QString name = pictureNames_.value(picture);
    return name.isEmpty() ? FolderListing::pictureBase(picture) : name;
}

void MainWindow::unloadImages() {
    pending_.clear();
    decodeTimer_->stop();
    for (int i = 1; i < tileControls(); ++i) {
        delete buttons_.at(i);
        delete tilePictures_.at(i);
    }
    buttons_.resize(1);
    tilePictures_.resize(1);
}

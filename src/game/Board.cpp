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

Span ToPixels(int fromTwips, int lengthTwips, double dpi) {
    const int start = Twips::ToPixels(fromTwips, dpi);
    return {start, Twips::ToPixels(fromTwips + lengthTwips, dpi) - start};
}

// The spoken names of a category's pictures, one a line, from its names.txt
// when it has one.
QStringList PictureNames(const QString& category) {
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

QString MainWindow::PictureFile(int pictureNumber) const {
    return FolderListing::ShownFile(
        dataFolder_ + (pictureNumber == -1
                           ? QStringLiteral("/free")
                           : QStringLiteral("/imgs/") + game_.CategoryName() + QLatin1Char('/') +
                                 FolderListing::PictureBase(pictureNumber)));
}

void MainWindow::LoadImages() {
    const double dpi = Twips::LogicalDpi(this);
    const qreal ratio = devicePixelRatioF();
    const int columns = game_.Current().columns;
    // The client area starts below the menu bar and ends at the status bar.
    const BoardGeometry g =
        ComputeBoardGeometry(Twips::FromPixels(client_->width(), dpi),
                             Twips::FromPixels(client_->height(), dpi), columns, columns);

    // Every picture is decoded once, at the board's nominal tile size.
    const QSize pixels = (QSizeF(Twips::ToPixels(g.W, dpi), Twips::ToPixels(g.H, dpi)) * ratio)
                             .toSize()
                             .expandedTo(QSize(1, 1));
    int x = kBoardMargin;
    int y = kBoardMargin;
    const int tiles = game_.TileCount();
    pending_.clear();
    missing_.clear();
    standIns_.clear();
    pictureNames_ = PictureNames(dataFolder_ + QStringLiteral("/imgs/") + game_.CategoryName());

    // The tiles' numbers: the chosen font at the board's size, not bold.
    QFont font = buttons_.front()->font();
    font.setPointSize(g.F);
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

        const Span across = ToPixels(x, g.W, dpi);
        const Span down = ToPixels(y, g.H, dpi);
        const QRect place(across.start, down.start, across.length, down.length);

        QPushButton* button = buttons_.at(i);
        button->setGeometry(place);
        button->setText(QString::number(i + 1));
        button->setFont(font);
        button->setToolTip(tileToolTip(i));

        if (TilePicture* picture = tilePicture(i)) { // element 0, kept from board to board
            picture->setGeometry(place);
            picture->setVisible(true);
            picture->SetPicture(QPixmap());
        }
        NameForScreenReaders(i);
        ShowFace(i);
        // Pictures are decoded after the first frame, in idle time, or at
        // once for a tile clicked before its turn came.
        pending_.append({i, pixels, (QSizeF(place.size()) * ratio).toSize()});

        if (i % columns == columns - 1) {
            y += g.H;
            x = kBoardMargin;
        } else {
            x += g.W;
        }
    }
    client_->setUpdatesEnabled(true);

    SetBoardNotices({});
    // Free tiles lie face up: theirs are the first pictures decoded.
    std::stable_partition(pending_.begin(), pending_.end(),
                          [this](const PendingPicture& p) { return game_.IsFaceUp(p.tile); });
    if (onScreen_) {
        decodeTimer_->start();
    }
    FocusTile(game_.FirstFaceDown());
    UpdateStatusBar();
}

void MainWindow::ShowFace(int tile) {
    tileButton(tile)->setVisible(!game_.IsFaceUp(tile));
}

void MainWindow::MakePicture(int tile) {
    auto* picture = new TilePicture(client_);
    picture->setObjectName(QStringLiteral("imgs"));
    picture->setGeometry(tileButton(tile)->geometry());
    picture->SetCover(tileButton(tile));
    picture->stackUnder(tileButton(tile));
    tilePictures_.replace(tile, picture);
    NamePicture(tile);
    picture->show();
}

// Joined piece by piece: arg() would parse a pattern for every tile.
QString MainWindow::TilePlace(int tile) const {
    const int columns = game_.Current().columns;
    return QStringLiteral(", row ") + QString::number(tile / columns + 1) +
           QStringLiteral(", column ") + QString::number(tile % columns + 1);
}

void MainWindow::NameForScreenReaders(int tile) {
    tileButton(tile)->setAccessibleName(QStringLiteral("Tile ") + QString::number(tile + 1));
    tileButton(tile)->setAccessibleDescription(QStringLiteral("Face down") + TilePlace(tile));
    if (tilePicture(tile) != nullptr) {
        NamePicture(tile);
    }
}

void MainWindow::NamePicture(int tile) {
    tilePicture(tile)->setAccessibleName(QStringLiteral("Tile ") + QString::number(tile + 1) +
                                         QStringLiteral(": ") + PictureName(tile));
    tilePicture(tile)->setAccessibleDescription(QStringLiteral("Face up") + TilePlace(tile));
}

QString MainWindow::PictureName(int tile) const {
    const int picture = game_.TileImage(tile);
    if (picture < 0) {
        return QStringLiteral("free");
    }
    const QString name = pictureNames_.value(picture);
    return name.isEmpty() ? FolderListing::PictureBase(picture) : name;
}

void MainWindow::UnloadImages() {
    pending_.clear();
    decodeTimer_->stop();
    for (int i = 1; i < TileControls(); ++i) {
        delete buttons_.at(i);
        delete tilePictures_.at(i);
    }
    buttons_.resize(1);
    tilePictures_.resize(1);
}

#include "frmTilewise.h"

#include "BoardGeometry.h"
#include "FolderListing.h"
#include "ImageControl.h"
#include "NumberText.h"
#include "Placeholder.h"
#include "Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

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

// The notice for pictures a board could not show: the first file's name in
// the panel, the paths in full (the first ten) in its tool tip. Built in one
// step, so that a name holding "%1" stays as it is.
QList<frmTilewise::Notice> MissingPictures(const QStringList& files) {
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

QString frmTilewise::PictureFile(int pictureNumber) const {
    const QString base =
        dataFolder_ + (pictureNumber == -1
                           ? QStringLiteral("/free")
                           : QStringLiteral("/imgs/") + game_.CategoryName() +
                                 QStringLiteral("/img") + NumberText::ThreeDigits(pictureNumber));
    const QString gif = base + QStringLiteral(".gif");
    return FolderListing::FileExists(gif) ? gif : base + QStringLiteral(".jpg");
}

void frmTilewise::LoadImages() {
    const double dpi = Twips::LogicalDpi(this);
    const qreal ratio = devicePixelRatioF();
    const int columns = game_.Current().iNumColumns;
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
    QStringList missing;
    const int tiles = game_.TileCount();

    client_->setUpdatesEnabled(false);
    for (int i = 0; i < tiles; ++i) {
        if (i >= 1) {
            auto* button = new QPushButton(client_);
            button->setObjectName(QStringLiteral("btns"));
            button->setFont(btns_.front()->font());
            button->hide();
            connect(button, &QPushButton::clicked, this, [this, i] { btns_Click(i); });
            btns_.append(button);
            auto* picture = new ImageControl(client_);
            picture->setObjectName(QStringLiteral("imgs"));
            picture->hide();
            imgs_.append(picture);
        }
        const int pictureNumber = game_.TileImage(i);
        const QString file = PictureFile(pictureNumber);

        const Span across = ToPixels(x, g.W, dpi);
        const Span down = ToPixels(y, g.H, dpi);
        const QRect place(across.start, down.start, across.length, down.length);

        QPushButton* button = btns_.at(i);
        button->setGeometry(place);
        button->setText(QString::number(i + 1));
        button->setVisible(!game_.IsFaceUp(i));
        QFont font = button->font();
        font.setPointSize(g.F);
        font.setBold(false);
        button->setFont(font);
        button->setToolTip(GetTileToolTip(i));

        ImageControl* picture = imgs_.at(i);
        picture->setGeometry(place);
        // Decoded once at the nominal size; a tile a pixel off it gets its
        // stretched copy from the cache, so painting never scales.
        const QSize shown = (QSizeF(place.size()) * ratio).toSize();
        QPixmap pixmap = pictures_.Load(file, pixels, shown);
        if (pixmap.isNull()) {
            if (!missing.contains(file)) {
                missing.append(file);
            }
            pixmap = DrawPlaceholder(pictureNumber, shown, ratio);
        }
        pixmap.setDevicePixelRatio(ratio);
        picture->SetPicture(pixmap);
        picture->setVisible(true);
        button->raise();

        if (i % columns == columns - 1) {
            y += g.H;
            x = kBoardMargin;
        } else {
            x += g.W;
        }
    }
    client_->setUpdatesEnabled(true);

    SetBoardNotices(MissingPictures(missing));
    UpdateStatusBar();
}

void frmTilewise::UnloadImages() {
    const int tiles = game_.TileCount();
    for (int i = 1; i < tiles && i < TileControls(); ++i) {
        delete btns_.at(i);
        delete imgs_.at(i);
    }
    btns_.resize(1);
    imgs_.resize(1);
}

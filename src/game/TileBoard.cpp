#include "TileBoard.h"

#include "BoardGeometry.h"
#include "BoardPictures.h"
#include "FolderListing.h"
#include "GameState.h"
#include "NumberText.h"
#include "PictureNames.h"
#include "TileButton.h"
#include "TilePicture.h"
#include "TileTexts.h"
#include "Twips.h"

#include <QKeyEvent>
#include <cmath>

namespace {

// Pixel edges of a run of abutting tiles: each edge is rounded once, so
// neighbours share it and no gap opens between them.
struct Span {
    int start;
    int length;
};

// A size in device pixels, each side rounded to the nearest, halves to the
// even neighbour, as the tile edges are.
QSize devicePixels(QSizeF logical, qreal ratio) {
    return QSize(static_cast<int>(std::nearbyint(logical.width() * ratio)),
                 static_cast<int>(std::nearbyint(logical.height() * ratio)));
}

Span toPixels(int fromTwips, int lengthTwips, double dpi) {
    const int start = Twips::toPixels(fromTwips, dpi);
    return {start, Twips::toPixels(fromTwips + lengthTwips, dpi) - start};
}

} // namespace

TileBoard::TileBoard(const GameState& game, const PictureFolders& folders, QWidget* parent)
    : QWidget(parent), game_(game), folders_(folders),
      boardPictures_(new BoardPictures(game, folders, this)) {
    connect(boardPictures_, &BoardPictures::ready, this, &TileBoard::setPicture);
    connect(boardPictures_, &BoardPictures::allShown, this, &TileBoard::picturesShown);

    // Tile 0 as designed; the board builder gives it its place and size.
    auto* picture = new TilePicture(this);
    picture->setObjectName(QStringLiteral("imgs"));
    Twips::place(picture, 1020, 0, 1095, 615);
    pictures_.append(picture);

    addTile(0);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(20.25);
    font.setBold(true);
    buttons_.front()->setFont(font);
    Twips::place(buttons_.front(), 0, 0, 1035, 615);
    picture->setCover(buttons_.front());
}

TileBoard::~TileBoard() = default;

void TileBoard::addTile(int index) {
    auto* button = new TileButton(this);
    button->setObjectName(QStringLiteral("btns"));
    connect(button, &QPushButton::clicked, this, [this, index] { emit tileClicked(index); });
    buttons_.append(button);
}

void TileBoard::build() {
    const double dpi = Twips::logicalDpi(this);
    const qreal ratio = devicePixelRatioF();
    const int columns = game_.current().columns;
    const BoardGeometry g = computeBoardGeometry(
        Twips::fromPixels(width(), dpi), Twips::fromPixels(height(), dpi), columns, columns);

    // Every picture is decoded once, at the board's nominal tile size.
    const QSize pixels =
        devicePixels(QSizeF(Twips::toPixels(g.w, dpi), Twips::toPixels(g.h, dpi)), ratio)
            .expandedTo(QSize(1, 1));
    pictureNames_.reset();

    // The tiles' numbers: the chosen font at the board's size, not bold.
    QFont font = tileFont();
    font.setPointSize(g.f);
    font.setBold(false);

    QList<BoardPictures::Request> requests;
    int x = kBoardMargin;
    int y = kBoardMargin;
    setUpdatesEnabled(false);
    for (int i = 0; i < game_.tileCount(); ++i) {
        if (i >= 1) {
            addTile(i);
            pictures_.append(nullptr);
        }
        const Span across = toPixels(x, g.w, dpi);
        const Span down = toPixels(y, g.h, dpi);
        const QRect place(across.start, down.start, across.length, down.length);

        QPushButton* tile = button(i);
        tile->setGeometry(place);
        tile->setText(QString::number(i + 1));
        tile->setFont(font);
        if (TilePicture* shown = picture(i)) { // tile 0's, kept from board to board
            shown->setGeometry(place);
            shown->setVisible(true);
            shown->setPicture(QPixmap());
        }
        nameForScreenReaders(i);
        updateToolTip(i);
        showFace(i);
        // Pictures are decoded after the first frame, on threads, or at
        // once for a tile turned over before its turn came.
        requests.append({i, pixels, devicePixels(place.size(), ratio)});

        if (i % columns == columns - 1) {
            y += g.h;
            x = kBoardMargin;
        } else {
            x += g.w;
        }
    }
    setUpdatesEnabled(true);
    boardPictures_->reset(std::move(requests), ratio, font);
    focusTile(game_.firstFaceDown());
}

void TileBoard::clear() {
    boardPictures_->stop();
    for (int i = 1; i < controlCount(); ++i) {
        delete buttons_.at(i);
        delete pictures_.at(i);
    }
    buttons_.resize(1);
    pictures_.resize(1);
}

void TileBoard::startPictures() {
    boardPictures_->start();
}

void TileBoard::showFace(int tile) {
    const bool faceDown = !game_.isFaceUp(tile);
    button(tile)->setVisible(faceDown);
    if (faceDown && picture(tile) != nullptr && picture(tile)->hasFocus()) {
        focusTile(tile); // a reviewed tile turned back: its button takes over
    }
}

void TileBoard::showPicture(int tile) {
    boardPictures_->showNow(tile);
}

void TileBoard::turnOver(int tile) {
    const bool focused = button(tile)->hasFocus();
    showFace(tile);
    const QWidget* focus = window()->focusWidget();
    if (focused || focus == nullptr || focus->isHidden()) {
        focusTile(game_.nextFaceDown(tile));
    }
}

void TileBoard::updateToolTip(int tile) {
    const QString uncovered = TileTexts::toolTip(game_.tileClicks(tile));
    button(tile)->setToolTip(uncovered);
    //: A face-down tile, as a screen reader describes it; %1: "row 1, column 2", %2: its tool tip
    button(tile)->setAccessibleDescription(tr("Face down, %1. %2").arg(placeText(tile), uncovered));
}

void TileBoard::focusTile(int tile) {
    if (tile >= 0) {
        button(tile)->setFocus(Qt::OtherFocusReason);
    } else {
        setFocus(Qt::OtherFocusReason); // never a hidden tile
    }
}

int TileBoard::focusedTile() const {
    return static_cast<int>(buttons_.indexOf(qobject_cast<QPushButton*>(window()->focusWidget())));
}

void TileBoard::reviewTile(int tile) {
    if (!game_.isFaceUp(tile)) {
        focusTile(tile);
        return;
    }
    showPicture(tile);
    if (picture(tile) == nullptr) { // its picture is still on its way
        makePicture(tile);
    }
    picture(tile)->setFocus(Qt::OtherFocusReason);
}

int TileBoard::focusedPlace() const {
    if (const auto* shown = qobject_cast<TilePicture*>(window()->focusWidget())) {
        return static_cast<int>(pictures_.indexOf(shown));
    }
    return focusedTile();
}

bool TileBoard::focusNextPrevChild(bool next) {
    const int place = focusedPlace();
    if (place < 0 || !game_.isFaceUp(place)) {
        return QWidget::focusNextPrevChild(next);
    }
    // From a reviewed face-up tile, Tab goes on by tile number as from a
    // face-down one.
    focusTile(next ? game_.nextFaceDown(place) : game_.previousFaceDown(place));
    return true;
}

QFont TileBoard::tileFont() const {
    return buttons_.front()->font();
}

void TileBoard::setTileFont(const QFont& chosen) {
    for (int i = 0; i < game_.tileCount(); ++i) {
        QFont font = button(i)->font();
        font.setFamily(chosen.family());
        font.setPointSizeF(chosen.pointSizeF());
        font.setBold(chosen.bold());
        font.setItalic(chosen.italic());
        font.setUnderline(chosen.underline());
        font.setStrikeOut(chosen.strikeOut());
        button(i)->setFont(font);
    }
}

void TileBoard::setPicture(int tile, const QPixmap& pixmap) {
    if (picture(tile) == nullptr) {
        makePicture(tile);
    }
    picture(tile)->setPicture(pixmap);
}

void TileBoard::makePicture(int tile) {
    auto* made = new TilePicture(this);
    made->setObjectName(QStringLiteral("imgs"));
    made->setGeometry(button(tile)->geometry());
    made->setCover(button(tile));
    made->stackUnder(button(tile));
    pictures_.replace(tile, made);
    namePicture(tile);
    made->show();
}

QString TileBoard::placeText(int tile) const {
    return TileTexts::place(tile, game_.current().columns);
}

void TileBoard::nameForScreenReaders(int tile) {
    //: A face-down tile's name, as a screen reader says it; %1: the number it shows
    button(tile)->setAccessibleName(tr("Tile %1").arg(NumberText::local(tile + 1)));
    if (picture(tile) != nullptr) {
        namePicture(tile);
    }
}

void TileBoard::namePicture(int tile) {
    picture(tile)->setAccessibleName(faceUpName(tile));
    //: A face-up tile, as a screen reader describes it; %1: "row 1, column 2"
    picture(tile)->setAccessibleDescription(tr("Face up, %1").arg(placeText(tile)));
}

QString TileBoard::pictureName(int tile) const {
    const int number = game_.tileImage(tile);
    if (number < 0) {
        //: The picture of a tile left over, which belongs to no set, as a screen reader says it
        return tr("free");
    }
    if (!pictureNames_) {
        pictureNames_ = readPictureNames(folders_.categoryOf(game_), folders_.language);
    }
    const QString name = pictureNames_->value(number);
    return name.isEmpty() ? FolderListing::pictureBase(number) : name;
}

QString TileBoard::faceUpName(int tile) const {
    //: A face-up tile, as a screen reader says it; %1: its number, %2: its picture ("cat face")
    return tr("Tile %1: %2").arg(NumberText::local(tile + 1), pictureName(tile));
}

void TileBoard::finishPictures() {
    boardPictures_->finish();
}

QStringList TileBoard::missingPictures() const {
    return boardPictures_->missing();
}

const PictureCache& TileBoard::pictureCache() const {
    return boardPictures_->cache();
}

void TileBoard::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(*event)) {
        QWidget::keyPressEvent(event);
    }
}

bool TileBoard::handleKey(const QKeyEvent& event) {
    const int focused = focusedTile();
    const int place = focusedPlace();
    const bool review = event.modifiers().testFlag(Qt::ControlModifier);
    const auto move = [&](Direction direction) {
        int to = -1;
        if (review) {
            to = place < 0 ? 0 : game_.adjacent(place, direction);
        } else {
            to = place < 0 ? game_.firstFaceDown() : game_.nearestFaceDown(place, direction);
        }
        if (to < 0) {
            //: Spoken when an arrow key finds no tile beyond the board's edge
            emit announcement(tr("Edge"));
        } else if (review) {
            reviewTile(to);
        } else {
            focusTile(to);
        }
        return true;
    };
    switch (event.key()) {
    case Qt::Key_Left:
        return move(Direction::Left);
    case Qt::Key_Right:
        return move(Direction::Right);
    case Qt::Key_Up:
        return move(Direction::Up);
    case Qt::Key_Down:
        return move(Direction::Down);
    case Qt::Key_Home:
        focusTile(game_.firstFaceDown());
        return true;
    case Qt::Key_End:
        focusTile(game_.lastFaceDown());
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!typed_.isEmpty()) {
            turnTypedTile();
        } else if (focused >= 0) {
            button(focused)->click();
        }
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        if (typed_.isEmpty()) {
            return false;
        }
        event.key() == Qt::Key_Escape ? typed_.clear() : typed_.removeDigit();
        emit statusMessage(typed_.statusText());
        return true;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() == 1 && TypedNumber::isDigit(text.at(0)) &&
        (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        typed_.addDigit(text.at(0));
        emit statusMessage(typed_.statusText());
        return true;
    }
    return false;
}

void TileBoard::turnTypedTile() {
    const int number = typed_.take();
    const int tile = number - 1;
    if (!game_.isFaceDown(tile)) {
        emit statusMessage(TypedNumber::refused(number));
        return;
    }
    // Turned where it lies; the focus follows afterwards, as from a focused
    // tile, so that the screen reader speaks the picture first.
    button(tile)->click();
    focusTile(game_.nextFaceDown(tile));
}

#pragma once

#include "PictureFolders.h"
#include "TypedNumber.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <optional>

class BoardPictures;
class GameState;
class PictureCache;
class QPushButton;
class TilePicture;

// The board: a square of numbered tile buttons, each over its picture, laid
// out in the window's client area. It draws the game the window holds and
// never changes it. A tile turned over, by a click, Space, Enter or a typed
// number, goes to the window as tileClicked(); the window plays the turn
// and then asks the board to show what changed.
//
// Tile 0's button and picture live as long as the board; the other tiles'
// controls are made for each board and removed before the next.
class TileBoard final : public QWidget {
    Q_OBJECT
public:
    TileBoard(const GameState& game, const PictureFolders& folders, QWidget* parent);
    ~TileBoard() override;

    // Lays out the game's tiles in the board's present size, face up or down
    // as the game has them, and puts the focus on the first face-down tile.
    // The layout stays until the next build, whatever the board's size.
    void build();
    // Removes every tile but tile 0, before the next build.
    void clear();
    // From the window's first frame on, pictures are decoded on threads.
    void startPictures();

    // Shows a tile's face as the game has it: a face-up tile's button hides,
    // and with it, for the screen reader, the picture's name comes forward.
    void showFace(int tile);
    // Shows the tile's picture as soon as can be, when it has not come yet.
    void showPicture(int tile);
    // Shows the face of a tile just turned over; when it had the focus, the
    // focus moves on to the next face-down tile, never to a hidden one.
    void turnOver(int tile);
    // The tile's count of uncoverings, in its tool tip and, for a listener,
    // after its place: "Face down, row 1, column 2. Uncovered 2 times before".
    void updateToolTip(int tile);

    // The focus on a tile, or on the board itself for -1.
    void focusTile(int tile);
    int focusedTile() const;
    // The focus on any tile: a face-down tile's button, else a face-up
    // tile's picture, which says what the tile shows.
    void reviewTile(int tile);
    // The tile whose button or picture has the focus; -1 for none.
    int focusedPlace() const;

    // The font of the tile numbers: tile 0's. A chosen font goes on every
    // tile; the next board keeps its family and style, and sets its own size.
    QFont tileFont() const;
    void setTileFont(const QFont& chosen);

    // "cat face", "free", or the file's name "img012" for a category without
    // names; and "Tile 3: cat face", what a face-up tile says.
    QString pictureName(int tile) const;
    QString faceUpName(int tile) const;

    // Decodes and shows every picture still waiting.
    void finishPictures();
    // The picture files this board could not show, as far as decoded.
    QStringList missingPictures() const;

    // The controls by index; a picture is null until it is first shown,
    // but tile 0's always exists.
    QPushButton* button(int index) const { return buttons_.at(index); }
    TilePicture* picture(int index) const { return pictures_.at(index); }
    int controlCount() const { return static_cast<int>(buttons_.size()); }
    const PictureCache& pictureCache() const;

    // The keys of the board: arrows, Home and End move over the face-down
    // tiles, Ctrl with an arrow over every tile, face up too, Enter turns the
    // focused one or the number typed, digits type a number, Backspace and
    // Escape take digits back. An arrow that can go no further says "Edge".
    // False for other keys.
    bool handleKey(const QKeyEvent& event);

signals:
    void tileClicked(int tile);
    // A few words for a listener, told without moving the focus.
    void announcement(const QString& text);
    // What the typed digits say, for the status bar; empty once none.
    void statusMessage(const QString& text);
    void picturesShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void addTile(int index);
    void setPicture(int tile, const QPixmap& pixmap);
    // A tile's picture control is made when its picture is first shown: once
    // decoded after the first frame, or at the tile's first click. Until
    // then the button covers its place, and a board of 100 tiles reaches the
    // screen with half its widgets.
    void makePicture(int tile);
    // The tile's names and place for the screen reader, fixed for the board:
    // the button's name, and the picture's once it is made.
    void nameForScreenReaders(int tile);
    void namePicture(int tile);
    QString placeText(int tile) const;
    void turnTypedTile();

    const GameState& game_;
    PictureFolders folders_;
    QList<QPushButton*> buttons_;
    QList<TilePicture*> pictures_;
    BoardPictures* boardPictures_ = nullptr;
    // The category's names, by picture number: read when a name is first
    // asked for, so that making the board reads no file.
    mutable std::optional<QStringList> pictureNames_;
    TypedNumber typed_;
};

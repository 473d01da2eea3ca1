#pragma once

#include <QScrollArea>

class TileBoard;

// The board's area in the window. A board keeps the layout it was built in
// until the next one; when the window is smaller than that, the area scrolls,
// and the tile that takes the focus is scrolled into view. So every tile can
// be reached, by mouse and by keyboard, whatever the window's size.
class BoardView final : public QScrollArea {
    Q_OBJECT
public:
    BoardView(TileBoard* board, QWidget* parent);

    // Gives the board the area's whole size, for the next board to be laid
    // out in: the size with no scroll bars, which a board that fits needs not.
    void fitBoard();
};

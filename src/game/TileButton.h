#pragma once

#include <QPushButton>

// A face-down tile. Space turns it over as on any button; the keys that move
// across the board, Enter and typed tile numbers go on to the window. The
// focus mark is the style's own plus a 3-pixel frame in the highlight
// colour, drawn whenever the tile has the focus: some styles draw theirs
// faintly, or only after the keyboard was used.
class TileButton final : public QPushButton {
    Q_OBJECT
public:
    explicit TileButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

#pragma once

#include <QMainWindow>

// The yardstick for start-up: a plain QMainWindow of Tilewise's size with
// the same widgets (a button over a picture label per tile, the three menus
// with their items, a status bar of three panels) and none of the game. Its
// labels show a plain pixmap, so decoding the tile pictures is Tilewise's
// own cost.
class BareWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit BareWindow(int columns, QWidget* parent = nullptr);
};

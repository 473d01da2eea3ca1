#pragma once

#include "FixedDialog.h"

class GameState;
class QButtonGroup;
class QComboBox;

// The choice for the next game: board size, tiles per set, picture category
// and player count. Reads and writes only the next-game values; the main
// window decides afterwards whether the choice starts a new game.
class PreferencesDialog final : public FixedDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(GameState& game, QWidget* parent = nullptr);

private:
    void buildDesign();
    void load();
    void acceptChoice();
    void chooseDefaults();

    // The list position of the text in the players box: -1 for typed text
    // that names no item, so a count outside 1 to 4 can never come out.
    int playersPosition() const;

    GameState& game_;
    QButtonGroup* boardSizes_ = nullptr; // ids are the sizes 4 to 10
    QButtonGroup* matches_ = nullptr;    // ids are the tiles per set 2 to 5
    QComboBox* categoryBox_ = nullptr;
    QComboBox* playersBox_ = nullptr;
};

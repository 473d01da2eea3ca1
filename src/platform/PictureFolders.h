#pragma once

#include <QString>

class GameState;

// Where a game's pictures lie. Categories come from two folders: the data
// folder's imgs (the start folder's, or the bundled one), then the player's
// made categories (see GameState::scanCategories for the order).
struct PictureFolders {
    QString data;       // holds imgs and the free picture
    QString made;       // the made categories, $XDG_DATA_HOME/Tilewise/imgs
    QString bundled;    // the bundled data folder: its free picture stands in
    QString language{}; // the player's, for the pictures' names: "de"; empty for English

    QString dataImgs() const { return data + QStringLiteral("/imgs"); }
    // The folder of the game's category in progress.
    QString categoryOf(const GameState& game) const;
    // The data folder's free picture, else the bundled one's; empty when
    // neither folder has one.
    QString freePicture() const;
};

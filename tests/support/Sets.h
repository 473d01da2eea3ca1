#pragma once

#include "GameState.h"

#include <QList>
#include <QMap>

// The deal read back: the tiles of each set, in the order of their pictures.
inline QList<QList<int>> SetsOf(const GameState& game) {
    QMap<int, QList<int>> byPicture;
    for (int tile = 0; tile < game.TileCount(); ++tile) {
        if (game.TileImage(tile) >= 0) {
            byPicture[game.TileImage(tile)].append(tile);
        }
    }
    return byPicture.values();
}

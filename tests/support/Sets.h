#pragma once

#include "GameState.h"

#include <QList>
#include <QMap>

// The deal read back: the tiles of each set, in the order of their pictures.
inline QList<QList<int>> setsOf(const GameState& game) {
    QMap<int, QList<int>> byPicture;
    for (int tile = 0; tile < game.tileCount(); ++tile) {
        if (game.tileImage(tile) >= 0) {
            byPicture[game.tileImage(tile)].append(tile);
        }
    }
    return byPicture.values();
}

#pragma once

#include <QString>

namespace DataFolder {

// The bundled data folder, at the path from the program's folder that the
// build chose (../share/tilewise from bin, ../share/games/tilewise from
// games), in the build tree and after install alike.
QString bundled(const QString& applicationDir);

// The folder the game takes its pictures and sounds from: the working
// folder when it holds its own "imgs"; otherwise the bundled data folder,
// when that exists; otherwise the working folder.
QString resolve(const QString& workingFolder, const QString& applicationDir);

// Where the player's made categories are kept, whatever folder the game
// starts in: $XDG_DATA_HOME/Tilewise/imgs, normally
// ~/.local/share/Tilewise/imgs. Empty when the user has no home folder.
QString made();

} // namespace DataFolder

#pragma once

#include <QString>

namespace DataFolder {

// The game's own data folder: share/tilewise beside the program's bin
// folder, both in the build tree and after install.
QString Bundled(const QString& applicationDir);

// Keeps a working folder that has its own "imgs"; otherwise moves to the
// bundled data folder when that has one. Returns the folder in use.
QString ChooseWorkingFolder(const QString& applicationDir);

} // namespace DataFolder

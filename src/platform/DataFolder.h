#pragma once

#include <QString>

namespace DataFolder {

// The folder the game takes its pictures and sounds from: the working
// folder when it holds its own "imgs"; otherwise the bundled data folder,
// share/tilewise beside the program's bin folder (in the build tree and
// after install), when that exists; otherwise the working folder.
QString Resolve(const QString& workingFolder, const QString& applicationDir);

} // namespace DataFolder

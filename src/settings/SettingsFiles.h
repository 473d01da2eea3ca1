#pragma once

#include <QString>

// The files around a save of the settings: where it goes, what it keeps of
// the old file, and what earlier saves left.
namespace SettingsFiles {

// The file a chain of links ends at, or the path itself when it is no link.
// A relative link is followed from its own folder; a loop stops after 40
// links (and the write then fails).
QString finalTarget(const QString& path);

// True when nothing lies at `path`, or a plain file, the name itself and not
// what it links to: what a lock file may be. Anything else there would make
// reading the lock block or fail.
bool plainOrAbsent(const QString& path);

// Gives the newly written file `fd` the owner, group and mode of `target`;
// when there is no target yet, the owner and group of its folder. So root,
// saving in a player's folder, leaves the player a file to read. False when
// the system refuses (only root gives a file away): the writer keeps it.
bool keepOwnerAndMode(int fd, const QString& target);

// Removes what killed saves left beside `target`: "<name>.saving-AbcDef",
// six letters, as QTemporaryFile names them. Only that name, which nobody
// gives a file of their own ("Tilewise.ini.backup" stays), and only files
// older than a minute: a younger one may be another running copy's save.
void removeStrayCopies(const QString& target);

} // namespace SettingsFiles

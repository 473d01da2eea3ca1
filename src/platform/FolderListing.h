#pragma once

#include <QString>
#include <QStringList>

namespace FolderListing {

// The bare names of a folder's entries in the order the file system gives
// them, folders and ordinary files alike, "." and ".." included. Hidden and
// special entries are left out. A missing folder lists nothing.
QStringList List(const QString& folder);

// True when an ordinary file of that name exists.
bool FileExists(const QString& path);

} // namespace FolderListing

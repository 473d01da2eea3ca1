#pragma once

#include <QString>
#include <QStringList>

namespace FolderListing {

// The bare names of the folders inside `folder`, in no particular order.
// Files, hidden entries, "." and "..", and links that lead back into the
// folder or above it (a loop, not a category) are left out. A missing
// folder lists nothing.
QStringList folders(const QString& folder);

// True when an ordinary file of that name exists.
bool fileExists(const QString& path);

// "img007": the base name of picture 7 in a category folder.
QString pictureBase(int n);

// The picture file a base name stands for: the GIF when there is one,
// otherwise the JPEG, which may not exist either.
QString shownFile(const QString& base);

} // namespace FolderListing

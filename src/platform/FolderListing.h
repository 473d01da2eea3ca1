#pragma once

#include <QString>
#include <QStringList>

namespace FolderListing {

// The bare names of the folders inside `folder`, in no particular order.
// Files, hidden entries, "." and "..", and links that lead back into the
// folder or above it (a loop, not a category) are left out. A missing
// folder, or none named, lists nothing.
QStringList folders(const QString& folder);

// "img007": the base name of picture 7 in a category folder.
QString pictureBase(int n);

} // namespace FolderListing

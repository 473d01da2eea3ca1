#pragma once

#include <QStringList>

// The spoken names of a category's pictures, one a line, from the file
// names.txt in the category folder: line 1 names img000. In another language
// than English, its own file comes first: names.de.txt for "de". A category
// without either file has no names, and its pictures are named by file.
QStringList readPictureNames(const QString& categoryFolder, const QString& language = {});

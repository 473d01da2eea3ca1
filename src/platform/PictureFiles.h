#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The picture files of one folder, listed once. A picture is asked for by
// its base name as the game writes it, in small letters ("img007", "free");
// the case of its extension does not matter (img007.JPG and img007.jpeg
// count as img007.jpg). When a picture has more than one file, the GIF is
// shown, else the JPEG (.jpg or .jpeg), else the PNG; between files of one
// kind, the first by character code.
class PictureFiles {
public:
    // Lists `folder` for the files whose names start with `prefix`.
    PictureFiles(const QString& folder, const QString& prefix);

    // The path of the file shown for `base`; empty when the folder has none.
    QString find(const QString& base) const;

    // Where a file of that name stands among the kinds the game reads: 0 for
    // a GIF, 1 for a JPEG, 2 for a PNG, -1 for anything else.
    static int kind(const QString& fileName);

private:
    QString folder_;
    QHash<QString, QString> byBase_; // base name -> the file shown for it
};

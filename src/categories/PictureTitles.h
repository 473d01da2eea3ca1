#pragma once

#include <QString>
#include <QStringList>

// The names a screen reader says for pictures made from files, taken from
// the files' names: "beach_sunset.2.jpg" reads "beach sunset 2". A name a
// camera gives says nothing (IMG_1234, DSC01234, PXL_20230514_101530, or
// digits alone): such pictures read "Photo 1", "Photo 2", ... in order.
namespace PictureTitles {

QStringList fromFileNames(const QStringList& fileNames);

bool isCameraName(const QString& baseName);

} // namespace PictureTitles

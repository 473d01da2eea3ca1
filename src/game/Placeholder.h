#pragma once

#include <QPixmap>
#include <QSize>

// Stands in for a picture file that is missing or unreadable: a tile whose
// colour and large number both come from the picture number, so sets still
// look alike and play stays fair. -1 draws the free-tile stand-in.
QPixmap DrawPlaceholder(int pictureNumber, QSize pixelSize, qreal devicePixelRatio);

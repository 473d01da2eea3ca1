#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>

// Stands in for a picture file that is missing or unreadable: a tile whose
// colour and large number both come from the picture number, so sets still
// look alike and play stays fair. -1 draws the free-tile stand-in. The number
// is drawn in `font`, resized: the tiles' own font is loaded already, where
// another would map a second font file.
QPixmap drawPlaceholder(int pictureNumber, QSize pixelSize, qreal devicePixelRatio, QFont font);

#pragma once

#include <QImage>
#include <QString>

// Pictures drawn without any font, so the game has a category even where the emoji font is
// missing, and the picture of a free tile.
namespace ShapePainter {

// Picture n is shape n % 10 in colour n / 10: ten shapes crossed with five colours.
QImage drawShapeTile(int index);

// What picture n shows, as a screen reader says it: "red circle", "blue star".
QString shapeName(int index);

// A calm grey tile with an empty dashed frame: a place without a picture.
QImage drawFreeTile();

} // namespace ShapePainter

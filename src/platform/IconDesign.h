#pragma once

#include <QImage>
#include <QString>

// The program's icon: four rounded tiles, the lower left one turned over to show a white disc.
// The window icon and the installed theme icons are all made here, so they look alike.
namespace IconDesign {

// The icon painted on a transparent square of the given side in pixels.
QImage render(int side);

// The same icon as an SVG document, for the scalable theme icon.
QString svg();

} // namespace IconDesign

#pragma once

class QWidget;

// Window layouts are designed in twips (1/1440 inch). They become pixels
// through the screen's logical DPI: at 96 dpi, 15 twips make a pixel.
namespace Twips {

inline constexpr int kPerInch = 1440;

double logicalDpi(const QWidget* widget);
int toPixels(int twips, double dpi);
int fromPixels(int pixels, double dpi);

// Places a child at a rectangle given in twips.
void place(QWidget* widget, int left, int top, int width, int height);

} // namespace Twips

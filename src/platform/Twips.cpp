#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace Twips {

double logicalDpi(const QWidget* widget) {
    if (widget != nullptr) {
        return widget->logicalDpiX();
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

int toPixels(int twips, double dpi) {
    return static_cast<int>(std::nearbyint(twips * dpi / kPerInch));
}

int fromPixels(int pixels, double dpi) {
    return static_cast<int>(std::nearbyint(pixels * kPerInch / dpi));
}

void place(QWidget* widget, int left, int top, int width, int height) {
    const double dpi = logicalDpi(widget);
    widget->setGeometry(toPixels(left, dpi), toPixels(top, dpi), toPixels(width, dpi),
                        toPixels(height, dpi));
}

} // namespace Twips

#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace Twips {

double LogicalDpi(const QWidget* widget) {
    if (widget != nullptr) {
        return widget->logicalDpiX();
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

int ToPixels(int twips, double dpi) {
    return static_cast<int>(std::nearbyint(twips * dpi / kPerInch));
}

int FromPixels(int pixels, double dpi) {
    return static_cast<int>(std::nearbyint(pixels * kPerInch / dpi));
}

void Place(QWidget* widget, int left, int top, int width, int height) {
    const double dpi = LogicalDpi(widget);
    widget->setGeometry(ToPixels(left, dpi), ToPixels(top, dpi), ToPixels(width, dpi),
                        ToPixels(height, dpi));
}

} // namespace Twips

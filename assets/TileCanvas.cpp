#include "TileCanvas.h"

#include <QDebug>

namespace TileCanvas {

QColor background(int index) {
    // The golden angle keeps neighbouring numbers far apart on the colour wheel; the
    // lightness alternates so that pictures with close hues still differ.
    constexpr double kGoldenAngle = 137.508;
    const int hue = static_cast<int>(index * kGoldenAngle) % 360;
    const int lightness = index % 2 == 0 ? 212 : 188;
    return QColor::fromHsl(hue, 190, lightness);
}

QImage New(const QColor& background) {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

bool saveJpeg(const QImage& image, const QString& path) {
    constexpr int kQuality = 90;
    if (image.save(path, "JPG", kQuality)) {
        return true;
    }
    qCritical().noquote() << "cannot write" << path;
    return false;
}

} // namespace TileCanvas

#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// What every generated picture shares: its size, its background and its JPEG file.
namespace TileCanvas {

constexpr int kSize = 192;
constexpr int kPicturesPerCategory = 50;

// A light colour of its own for each picture of a category. Shrunk to a tile of a 10 x 10
// board (45 x 36 px) an emoji is little more than a blob, so the background does much of
// the telling apart.
QColor background(int index);

QImage New(const QColor& background);

// Reports the failure itself, so callers only pass the result on.
bool saveJpeg(const QImage& image, const QString& path);

} // namespace TileCanvas

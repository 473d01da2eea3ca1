#include "IconDesign.h"

#include <QColor>
#include <QList>
#include <QPainter>
#include <QRectF>

namespace IconDesign {

namespace {

// The design is laid out on a grid of this many units a side; the SVG uses the grid as its
// view box, and render() scales it to the pixel size.
constexpr double kGrid = 48;
constexpr double kCell = kGrid / 2;
constexpr double kInset = 3;
constexpr double kCorner = 4;
constexpr double kDiscRadius = (kCell - 2 * kInset) / 4;

struct Tile {
    QRectF rect;
    bool turned;
};

QList<Tile> tiles() {
    QList<Tile> tiles;
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            tiles.append({QRectF(col * kCell + kInset, row * kCell + kInset, kCell - 2 * kInset,
                                 kCell - 2 * kInset),
                          row == 1 && col == 0});
        }
    }
    return tiles;
}

QColor tileColour(const Tile& tile) {
    return tile.turned ? QColor(0xf2, 0xb7, 0x05) : QColor(0x2f, 0x5d, 0xa8);
}

QColor discColour() {
    return Qt::white;
}

} // namespace

QImage render(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / kGrid, side / kGrid);
    painter.setPen(Qt::NoPen);
    for (const Tile& tile : tiles()) {
        painter.setBrush(tileColour(tile));
        painter.drawRoundedRect(tile.rect, kCorner, kCorner);
        if (tile.turned) {
            painter.setBrush(discColour());
            painter.drawEllipse(tile.rect.center(), kDiscRadius, kDiscRadius);
        }
    }
    return image;
}

QString svg() {
    const auto number = [](double value) { return QString::number(value); };
    QString svg = QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" )"
                                 R"(width="%1" height="%1" viewBox="0 0 %1 %1">)"
                                 "\n")
                      .arg(number(kGrid));
    for (const Tile& tile : tiles()) {
        svg += QStringLiteral(R"(  <rect x="%1" y="%2" width="%3" height="%4" rx="%5" )"
                              R"(fill="%6"/>)"
                              "\n")
                   .arg(number(tile.rect.x()), number(tile.rect.y()), number(tile.rect.width()),
                        number(tile.rect.height()), number(kCorner), tileColour(tile).name());
        if (tile.turned) {
            svg += QStringLiteral(R"(  <circle cx="%1" cy="%2" r="%3" fill="%4"/>)"
                                  "\n")
                       .arg(number(tile.rect.center().x()), number(tile.rect.center().y()),
                            number(kDiscRadius), discColour().name());
        }
    }
    return svg + QStringLiteral("</svg>\n");
}

} // namespace IconDesign

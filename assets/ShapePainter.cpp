#include "ShapePainter.h"

#include "TileCanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <array>

namespace ShapePainter {

namespace {

enum class Shape { Circle, Square, Triangle, Diamond, Star, Cross, Ring, Heart, Arrow, Crescent };
constexpr int kShapeCount = 10;
// The spoken names, in the order of Shape.
constexpr std::array<const char*, kShapeCount> kShapeNames = {
    "circle", "square", "triangle", "diamond", "star",
    "cross",  "ring",   "heart",    "arrow",   "crescent"};

// Each colour beside its spoken name.
struct Paint {
    QRgb colour;
    const char* name;
};
constexpr int kColourCount = 5;
constexpr std::array<Paint, kColourCount> kPaints = {{{qRgb(0xd6, 0x28, 0x28), "red"},
                                                      {qRgb(0x1f, 0x5f, 0xd6), "blue"},
                                                      {qRgb(0x23, 0x9a, 0x3a), "green"},
                                                      {qRgb(0xf2, 0xa9, 0x00), "yellow"},
                                                      {qRgb(0x8e, 0x3f, 0xc9), "purple"}}};

const Paint& paintOf(int index) {
    return kPaints.at(static_cast<std::size_t>(index / kShapeCount));
}

constexpr double kMargin = 22;
constexpr QRectF kBox(kMargin, kMargin, TileCanvas::kSize - 2 * kMargin,
                      TileCanvas::kSize - 2 * kMargin);

// Corners on a circle around the box centre, the first one straight up; the radius
// alternates between the given radii (equal radii give a regular polygon).
QPolygonF radialPolygon(int corners, double outerRadius, double innerRadius) {
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const double angle = -M_PI / 2 + 2 * M_PI * i / corners;
        const double radius = i % 2 == 0 ? outerRadius : innerRadius;
        polygon << kBox.center() + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

QPolygonF scaled(std::initializer_list<QPointF> unitPoints) {
    QPolygonF polygon;
    for (const QPointF& point : unitPoints) {
        polygon << kBox.topLeft() + QPointF(point.x() * kBox.width(), point.y() * kBox.height());
    }
    return polygon;
}

QPainterPath heart() {
    const double w = kBox.width();
    const double h = kBox.height();
    const QPointF o = kBox.topLeft();
    QPainterPath path(o + QPointF(w / 2, h));
    path.cubicTo(o + QPointF(-w * 0.1, h * 0.55), o + QPointF(w * 0.05, -h * 0.05),
                 o + QPointF(w / 2, h * 0.25));
    path.cubicTo(o + QPointF(w * 0.95, -h * 0.05), o + QPointF(w * 1.1, h * 0.55),
                 o + QPointF(w / 2, h));
    return path;
}

QPainterPath shapePath(Shape shape) {
    const double r = kBox.width() / 2;
    QPainterPath path;
    switch (shape) {
    case Shape::Circle:
        path.addEllipse(kBox);
        break;
    case Shape::Square:
        path.addRoundedRect(kBox.adjusted(8, 8, -8, -8), 10, 10);
        break;
    case Shape::Triangle:
        path.addPolygon(scaled({{0.5, 0.02}, {1.0, 0.92}, {0.0, 0.92}}));
        break;
    case Shape::Diamond:
        path.addPolygon(scaled({{0.5, 0.0}, {0.88, 0.5}, {0.5, 1.0}, {0.12, 0.5}}));
        break;
    case Shape::Star:
        path.addPolygon(radialPolygon(10, r * 1.05, r * 0.45));
        break;
    case Shape::Cross:
        path.addPolygon(scaled({{0.34, 0.0},
                                {0.66, 0.0},
                                {0.66, 0.34},
                                {1.0, 0.34},
                                {1.0, 0.66},
                                {0.66, 0.66},
                                {0.66, 1.0},
                                {0.34, 1.0},
                                {0.34, 0.66},
                                {0.0, 0.66},
                                {0.0, 0.34},
                                {0.34, 0.34}}));
        break;
    case Shape::Ring:
        path.addEllipse(kBox);
        path.addEllipse(kBox.center(), r * 0.5, r * 0.5);
        break;
    case Shape::Heart:
        path = heart();
        break;
    case Shape::Arrow:
        path.addPolygon(scaled({{0.0, 0.32},
                                {0.55, 0.32},
                                {0.55, 0.05},
                                {1.0, 0.5},
                                {0.55, 0.95},
                                {0.55, 0.68},
                                {0.0, 0.68}}));
        break;
    case Shape::Crescent: {
        QPainterPath bite;
        bite.addEllipse(kBox.translated(r * 0.55, -r * 0.25));
        path.addEllipse(kBox);
        path = path.subtracted(bite);
        break;
    }
    }
    path.closeSubpath();
    return path;
}

} // namespace

QImage drawShapeTile(int index) {
    static_assert(TileCanvas::kPicturesPerCategory == kShapeCount * kColourCount);
    const QColor colour = QColor::fromRgb(paintOf(index).colour);

    QImage tile = TileCanvas::New(QColor(0xf4, 0xf1, 0xea));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(160), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(shapePath(static_cast<Shape>(index % kShapeCount)));
    return tile;
}

QString shapeName(int index) {
    return QStringLiteral("%1 %2").arg(
        QLatin1String(paintOf(index).name),
        QLatin1String(kShapeNames.at(static_cast<std::size_t>(index % kShapeCount))));
}

QImage drawFreeTile() {
    QImage tile = TileCanvas::New(QColor(0xdc, 0xda, 0xd5));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen frame(QColor(0xb4, 0xb1, 0xaa), 8, Qt::CustomDashLine, Qt::RoundCap);
    frame.setDashPattern({2, 2.5});
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(24, 24, TileCanvas::kSize - 48, TileCanvas::kSize - 48), 18, 18);
    return tile;
}

} // namespace ShapePainter

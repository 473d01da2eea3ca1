#include "Placeholder.h"

#include <QColor>
#include <QPainter>

QPixmap drawPlaceholder(int pictureNumber, QSize pixelSize, qreal devicePixelRatio, QFont font) {
    QPixmap pixmap(pixelSize.expandedTo(QSize(1, 1)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    const QSizeF logical = QSizeF(pixmap.size()) / devicePixelRatio;
    const QRectF area(QPointF(0, 0), logical);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (pictureNumber < 0) {
        painter.fillRect(area, QColor(0xe8, 0xe8, 0xe8));
        painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1, Qt::DashLine));
        painter.drawRect(area.adjusted(1, 1, -2, -2));
        return pixmap;
    }
    // Golden-angle hues keep neighbouring numbers far apart in colour.
    const int hue = (pictureNumber * 137) % 360;
    const QColor fill = QColor::fromHsv(hue, 150, 235);
    painter.fillRect(area, fill);
    painter.setPen(QPen(fill.darker(170), 2));
    painter.drawRect(area.adjusted(1, 1, -2, -2));

    font.setPixelSize(qMax(8, int(logical.height() * 0.55)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignCenter, QString::number(pictureNumber));
    return pixmap;
}

#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap DrawIcon(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal cell = side / 2.0;
    const qreal inset = side / 16.0;
    const QColor back(0x2f, 0x5d, 0xa8);
    const QColor face(0xf2, 0xb7, 0x05);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            const QRectF r(col * cell + inset, row * cell + inset, cell - 2 * inset,
                           cell - 2 * inset);
            const bool turned = row == 1 && col == 0;
            painter.setPen(Qt::NoPen);
            painter.setBrush(turned ? face : back);
            painter.drawRoundedRect(r, side / 12.0, side / 12.0);
            if (turned) {
                painter.setBrush(Qt::white);
                painter.drawEllipse(r.center(), r.width() / 4, r.height() / 4);
            }
        }
    }
    return pixmap;
}

} // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64}) {
        icon.addPixmap(DrawIcon(side));
    }
    return icon;
}

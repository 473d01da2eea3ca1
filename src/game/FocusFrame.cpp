#include "FocusFrame.h"

#include <QPainter>
#include <QWidget>

void paintFocusFrame(QWidget& widget) {
    if (!widget.hasFocus()) {
        return;
    }
    QPainter painter(&widget);
    constexpr int kWidth = 3;
    painter.setPen(QPen(widget.palette().color(QPalette::Highlight), kWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(widget.rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}

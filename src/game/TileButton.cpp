#include "TileButton.h"

#include <QKeyEvent>
#include <QPainter>

TileButton::TileButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void TileButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->ignore(); // for the window: arrows, Home, End, Enter, digits
}

void TileButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        constexpr int kWidth = 3;
        painter.setPen(QPen(palette().color(QPalette::Highlight), kWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
    }
}

#include "TilePicture.h"

#include <QPainter>

TilePicture::TilePicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TilePicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TilePicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawPixmap(rect(), picture_);
}

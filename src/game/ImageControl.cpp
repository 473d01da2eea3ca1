#include "ImageControl.h"

#include <QPainter>

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageControl::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    FitToSize();
    update();
}

void ImageControl::resizeEvent(QResizeEvent* /*event*/) {
    FitToSize();
}

void ImageControl::FitToSize() {
    const qreal ratio = picture_.devicePixelRatio();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (picture_.isNull() || picture_.size() == pixels || pixels.isEmpty()) {
        shown_ = picture_;
        return;
    }
    // The resize event on first show must not stretch the same picture again.
    if (shownFrom_ == picture_.cacheKey() && shown_.size() == pixels) {
        return;
    }
    shown_ = picture_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown_.setDevicePixelRatio(ratio);
    shownFrom_ = picture_.cacheKey();
}

void ImageControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (shown_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawPixmap(rect(), shown_);
}

#include "TilePicture.h"

#include "FocusFrame.h"

#include <QAccessible>
#include <QPainter>

TilePicture::TilePicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TilePicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TilePicture::setCover(QWidget* cover) {
    if (cover_ != nullptr) {
        cover_->removeEventFilter(this);
    }
    cover_ = cover;
    cover->installEventFilter(this);
}

bool TilePicture::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cover_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    return QWidget::eventFilter(watched, event);
}

void TilePicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
    } else {
        painter.drawPixmap(rect(), picture_);
    }
    painter.end();
    paintFocusFrame(*this);
}

void TilePicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TilePicture::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

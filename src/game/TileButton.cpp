#include "TileButton.h"

#include "FocusFrame.h"

#include <QKeyEvent>

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
    paintFocusFrame(*this);
}

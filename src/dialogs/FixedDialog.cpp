#include "FixedDialog.h"

#include "DialogFont.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

FixedDialog::FixedDialog(QWidget* parent) : QDialog(parent) {
    setFont(dialogFont());
}

void FixedDialog::setClientSize(int widthTwips, int heightTwips) {
    const double dpi = Twips::logicalDpi(this);
    setFixedSize(Twips::toPixels(widthTwips, dpi), Twips::toPixels(heightTwips, dpi));
}

QLabel* FixedDialog::addLabel(QWidget* parent, const char* name, const QString& text, int left,
                              int top, int width, int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::place(label, left, top, width, height);
    return label;
}

QPushButton* FixedDialog::addButton(QWidget* parent, const char* name, const QString& caption,
                                    int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    Twips::place(button, left, top, width, height);
    return button;
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        }
        event->accept();
        return;
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

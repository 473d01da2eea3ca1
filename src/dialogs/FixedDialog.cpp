#include "FixedDialog.h"

#include "DialogFont.h"
#include "TextRoom.h"
#include "Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <cmath>

FixedDialog::FixedDialog(QWidget* parent) : QDialog(parent) {
    setFont(dialogFont());
}

void FixedDialog::setClientSize(int widthTwips, int heightTwips) {
    const double dpi = Twips::logicalDpi(this);
    setFixedSize(Twips::toPixels(widthTwips, dpi), Twips::toPixels(heightTwips, dpi));
}

void FixedDialog::fitTexts() {
    // The controls placed in twips: the dialog's, and the options in its frames.
    QList<QPair<QWidget*, QRect>> designed;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        designed.append({child, child->geometry()});
        if (qobject_cast<QGroupBox*>(child) != nullptr) {
            for (QWidget* option : child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                designed.append({option, option->geometry()});
            }
        }
    }
    const QSize client = size();
    QSizeF factor(1.0, 1.0);
    // A control's frame and padding do not grow with it: a few rounds close in.
    for (int round = 0; round < 8; ++round) {
        QSizeF lacking(1.0, 1.0);
        for (const auto& [widget, place] : designed) {
            lacking = lacking.expandedTo(textShortfall(*widget));
        }
        if (lacking == QSizeF(1.0, 1.0)) {
            return;
        }
        factor = QSizeF(factor.width() * lacking.width(), factor.height() * lacking.height());
        // Edges are scaled, so controls that abut stay abutting.
        const auto across = [&factor](int x) { return int(std::ceil(x * factor.width())); };
        const auto down = [&factor](int y) { return int(std::ceil(y * factor.height())); };
        for (const auto& [widget, place] : designed) {
            widget->setGeometry(
                QRect(QPoint(across(place.left()), down(place.top())),
                      QPoint(across(place.right() + 1) - 1, down(place.bottom() + 1) - 1)));
        }
        setFixedSize(across(client.width()), down(client.height()));
    }
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

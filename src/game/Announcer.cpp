#include "Announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& text) {
    hide();
    text_ = text;
    // The accessibility bridge keeps names it has read; this one has changed.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    show();
}

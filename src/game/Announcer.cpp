#include "Announcer.h"

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::Announce(const QString& text) {
    hide();
    text_ = text;
    show();
}

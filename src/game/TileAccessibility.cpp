#include "TileAccessibility.h"

#include "Announcer.h"
#include "TilePicture.h"

#include <QAccessibleWidget>

namespace {

class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcer*>(widget())->text() : QString();
    }
};

class PictureAccessible final : public QAccessibleWidget {
public:
    explicit PictureAccessible(TilePicture* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}
    // A covered picture stays "visible": a screen reader keeps the states it
    // has read, and no event would tell it that a hidden one shows again. It
    // is nameless instead, and told of every new name.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = !covered(); // by the review keys
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return covered() ? QString() : QAccessibleWidget::text(t);
    }

private:
    bool covered() const { return static_cast<TilePicture*>(widget())->isCovered(); }
};

QAccessibleInterface* tileAccessibility(const QString& className, QObject* object) {
    // Matched by the classes' own names, which follow any renaming.
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    }
    if (className == QLatin1String(TilePicture::staticMetaObject.className())) {
        return new PictureAccessible(static_cast<TilePicture*>(object));
    }
    return nullptr;
}

} // namespace

void installTileAccessibility() {
    // Once per process, however many windows are made.
    QAccessible::removeFactory(&tileAccessibility);
    QAccessible::installFactory(&tileAccessibility);
}

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
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.invisible || covered();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return covered() ? QString() : QAccessibleWidget::text(t);
    }

private:
    bool covered() const { return static_cast<TilePicture*>(widget())->isCovered(); }
};

QAccessibleInterface* tileAccessibility(const QString& className, QObject* object) {
    if (className == QLatin1String("Announcer")) {
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    }
    if (className == QLatin1String("ImageControl")) {
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

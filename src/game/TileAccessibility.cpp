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
        return t == QAccessible::Name ? static_cast<Announcer*>(widget())->Text() : QString();
    }
};

class PictureAccessible final : public QAccessibleWidget {
public:
    explicit PictureAccessible(TilePicture* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.invisible || Covered();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return Covered() ? QString() : QAccessibleWidget::text(t);
    }

private:
    bool Covered() const { return static_cast<TilePicture*>(widget())->IsCovered(); }
};

QAccessibleInterface* TileAccessibility(const QString& className, QObject* object) {
    if (className == QLatin1String("Announcer")) {
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    }
    if (className == QLatin1String("ImageControl")) {
        return new PictureAccessible(static_cast<TilePicture*>(object));
    }
    return nullptr;
}

} // namespace

void InstallTileAccessibility() {
    // Once per process, however many windows are made.
    QAccessible::removeFactory(&TileAccessibility);
    QAccessible::installFactory(&TileAccessibility);
}

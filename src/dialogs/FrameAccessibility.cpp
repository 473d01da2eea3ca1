#include "FrameAccessibility.h"

#include <QAccessibleWidget>
#include <QGroupBox>

namespace {

class FrameAccessible final : public QAccessibleWidget {
public:
    explicit FrameAccessible(QGroupBox* frame) : QAccessibleWidget(frame, QAccessible::Client) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        // The title without its access key's mark: "&Match" reads "Match".
        QString title = static_cast<QGroupBox*>(widget())->title();
        return title.replace(QLatin1String("&&"), QLatin1String("\x01"))
            .remove(QLatin1Char('&'))
            .replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
};

QAccessibleInterface* frameAccessibility(const QString& className, QObject* object) {
    if (className == QLatin1String(QGroupBox::staticMetaObject.className())) {
        return new FrameAccessible(static_cast<QGroupBox*>(object));
    }
    return nullptr;
}

} // namespace

void installFrameAccessibility() {
    QAccessible::removeFactory(&frameAccessibility);
    QAccessible::installFactory(&frameAccessibility);
}

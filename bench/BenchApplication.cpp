#include "BenchApplication.h"

#include <QWidget>
#include <algorithm>
#include <stdexcept>

BenchApplication::BenchApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool BenchApplication::notify(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool result = QApplication::notify(receiver, event);
    if (!watching_) {
        return result;
    }
    if (type == QEvent::Paint) {
        // A widget may be painted again later; the first paint is the one
        // the player waits for.
        if (!firstPaintEnd_.contains(receiver)) {
            firstPaintEnd_.insert(receiver, Clock::now());
        }
    } else if (type == QEvent::Expose || type == QEvent::UpdateRequest) {
        syncEnds_.append(Clock::now());
    }
    return result;
}

void BenchApplication::startWatch() {
    firstPaintEnd_.clear();
    syncEnds_.clear();
    watching_ = true;
}

BenchApplication::Clock::time_point
BenchApplication::waitForPaint(const QList<QWidget*>& widgets, std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    auto unpainted = [&] {
        QStringList names;
        for (const QWidget* widget : widgets) {
            if (!firstPaintEnd_.contains(widget)) {
                names << QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                       widget->metaObject()->className());
            }
        }
        return names;
    };
    // Events are polled, not waited for: the offscreen platform posts its
    // expose and update events itself, so there is always something to do
    // until the paint is done.
    while (!unpainted().isEmpty()) {
        if (Clock::now() > deadline) {
            throw std::runtime_error("no paint of " +
                                     unpainted().join(QStringLiteral(", ")).toStdString());
        }
        processEvents(QEventLoop::AllEvents);
    }
    Clock::time_point lastPaint = Clock::time_point::min();
    for (const QWidget* widget : widgets) {
        lastPaint = std::max(lastPaint, firstPaintEnd_.value(widget));
    }
    const auto sync = std::find_if(syncEnds_.cbegin(), syncEnds_.cend(),
                                   [&](Clock::time_point end) { return end >= lastPaint; });
    watching_ = false;
    return sync != syncEnds_.cend() ? *sync : lastPaint;
}

QList<QWidget*> visibleLeaves(QWidget& window) {
    QList<QWidget*> leaves;
    const QList<QWidget*> all = window.findChildren<QWidget*>();
    for (QWidget* widget : all) {
        if (widget->isWindow() || !widget->isVisible() || widget->size().isEmpty()) {
            continue;
        }
        const QList<QWidget*> children = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const bool hasVisibleChild =
            std::any_of(children.cbegin(), children.cend(), [](const QWidget* child) {
                return !child->isWindow() && child->isVisible();
            });
        if (!hasVisibleChild) {
            leaves.append(widget);
        }
    }
    if (leaves.isEmpty()) {
        leaves.append(&window);
    }
    return leaves;
}

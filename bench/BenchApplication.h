#pragma once

#include <QApplication>
#include <QHash>
#include <QList>
#include <chrono>

// The benchmark's application object. It sees every event it delivers, so it
// can tell when a paint has really finished: the widget's Paint event has
// returned and so has the backing-store sync around it (the Expose or
// UpdateRequest that painted the window and flushed it). Timing the end of
// that sync counts the painting of every tile, not just the posting of an
// update.
class BenchApplication final : public QApplication {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;
    static double milliseconds(Clock::time_point from, Clock::time_point to) {
        return std::chrono::duration<double, std::milli>(to - from).count();
    }

    BenchApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Forgets earlier paints; paints from now on are noted.
    void startWatch();

    // Runs the event loop until each widget has finished a paint since
    // startWatch(), and returns the end of the sync that held the last of
    // those paints. Throws std::runtime_error, naming the widgets still
    // unpainted, when that takes longer than `timeout`.
    Clock::time_point waitForPaint(const QList<QWidget*>& widgets,
                                   std::chrono::milliseconds timeout = std::chrono::seconds(20));

private:
    bool watching_ = false;
    QHash<const QObject*, Clock::time_point> firstPaintEnd_;
    QList<Clock::time_point> syncEnds_;
};

// The window's visible descendants that have no visible child of their own
// (tiles, menu bar, status panels): what a finished first paint has drawn.
QList<QWidget*> visibleLeaves(QWidget& window);

#pragma once

#include <QObject>
#include <array>
#include <csignal>

class QSocketNotifier;

// SIGTERM and SIGHUP (a shutdown, a closed terminal, a kill) as a Qt signal
// in the thread that made this object, so that the program can save what
// the player decided and end as Exit does, instead of there and then. The
// handler only writes the signal's number to a pipe; a socket notifier reads
// it. While the object lives, those signals no longer end the program by
// themselves. A signal the program was started ignoring (SIGHUP under nohup)
// stays ignored.
class EndSignals final : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override; // the signals are handled as before again

signals:
    void received(int signalNumber);

private:
    std::array<int, 2> pipe_{-1, -1};
    std::array<struct sigaction, 2> found_{}; // SIGTERM's and SIGHUP's actions before
    QSocketNotifier* notifier_ = nullptr;
};

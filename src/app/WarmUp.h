#pragma once

#include <thread>

// Runs a piece of start-up work on a thread of its own, so that it is done,
// or under way, by the time the main thread needs its result. Work that
// guards itself, as Qt's connection to a bus does, can simply be asked for
// again: the main thread then waits for the one under way. Work that does
// not, as fontconfig's set-up, needs wait() first, or the main thread would
// do it a second time beside the thread.
class WarmUp {
public:
    explicit WarmUp(void (*work)()) : thread_(work) {}
    ~WarmUp() { wait(); }
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

    void wait() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

private:
    std::thread thread_;
};

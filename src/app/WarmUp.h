#pragma once

#include <thread>

// Runs a piece of start-up work on a thread of its own, so that it is done,
// or under way, by the time the main thread needs its result. Wait() before
// the main thread does the same work itself: it would not wait, and would do
// it a second time beside the thread.
class WarmUp {
public:
    explicit WarmUp(void (*work)()) : thread_(work) {}
    ~WarmUp() { Wait(); }
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

    void Wait() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

private:
    std::thread thread_;
};

#pragma once

#include <functional>

class QThreadPool;

// Runs work(i) for every i below `count` on the threads of `pool`, and calls
// finishedOne() on the calling thread as each one ends, so the caller can
// tell how far it is. Returns once all have ended; work that sees the job
// cancelled should return at once.
void runEach(QThreadPool& pool, int count, const std::function<void(int)>& work,
             const std::function<void()>& finishedOne);

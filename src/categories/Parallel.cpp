#include "Parallel.h"

#include <QSemaphore>
#include <QThreadPool>

void runEach(QThreadPool& pool, int count, const std::function<void(int)>& work,
             const std::function<void()>& finishedOne) {
    QSemaphore ended;
    for (int i = 0; i < count; ++i) {
        pool.start([&work, &ended, i] {
            work(i);
            ended.release();
        });
    }
    for (int i = 0; i < count; ++i) {
        ended.acquire();
        finishedOne();
    }
}

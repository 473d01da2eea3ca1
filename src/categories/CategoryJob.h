#pragma once

#include "CategoryMaker.h"

#include <QObject>
#include <atomic>
#include <memory>

class QThread;

// A category made on a thread of its own, for the window: how far it is and
// how it ended come as signals on the GUI thread, so the window goes on
// answering meanwhile. Destroying the job cancels it and waits for it to
// stop, which leaves nothing written.
class CategoryJob final : public QObject {
    Q_OBJECT
public:
    CategoryJob(MakerRequest request, QObject* parent);
    ~CategoryJob() override;

    void start();
    void cancel() { cancel_ = true; }

signals:
    void progressed(const MakerProgress& progress);
    void finished(const MakerResult& result);

private:
    MakerRequest request_;
    std::atomic<bool> cancel_{false};
    std::unique_ptr<QThread> thread_;
};

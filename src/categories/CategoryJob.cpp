#include "CategoryJob.h"

#include <QThread>

CategoryJob::CategoryJob(MakerRequest request, QObject* parent)
    : QObject(parent), request_(std::move(request)) {}

CategoryJob::~CategoryJob() {
    cancel_ = true;
    if (thread_) {
        thread_->wait();
    }
}

// The signals are emitted from the GUI thread: the work hands them over as
// queued calls, which are dropped if the job is gone by then.
void CategoryJob::start() {
    thread_.reset(QThread::create([this] {
        const MakerResult result = CategoryMaker::make(
            request_,
            [this](const MakerProgress& progress) {
                QMetaObject::invokeMethod(
                    this, [this, progress] { emit progressed(progress); }, Qt::QueuedConnection);
            },
            cancel_);
        QMetaObject::invokeMethod(
            this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
    }));
    thread_->start();
}

#include "GifBuildRunner.h"

#include <QMetaObject>
#include <QPointer>
#include <QThread>

namespace vx7::animation {

GifBuildRunner::GifBuildRunner(GifEngine& engine, const core::EncoderRegistry& encoders, QObject* parent)
    : QObject(parent), job_(engine, encoders) {
    qRegisterMetaType<vx7::animation::GifJobResult>("vx7::animation::GifJobResult");
}

GifBuildRunner::~GifBuildRunner() {
    CancelAndWait();
}

bool GifBuildRunner::Start(const GifBuildRequest& request) {
    if (running_)
        return false;
    Join();
    cancel_ = false;
    running_ = true;
    const int generation = ++generation_;
    thread_ = QThread::create([this, request, generation] {
        // Progress and the result travel to the owner's thread as queued calls; the
        // owner cannot be destroyed before this thread is joined.
        const auto result = job_.Run(
            request,
            [this, generation](int done, int total, const QString& text) {
                QMetaObject::invokeMethod(
                    this,
                    [this, done, total, text, generation] {
                        if (generation == generation_)
                            emit Progress(done, total, text);
                    },
                    Qt::QueuedConnection);
            },
            &cancel_);
        QMetaObject::invokeMethod(
            this,
            [this, result, generation] {
                if (generation != generation_)
                    return; // abandoned by CancelAndWait
                running_ = false;
                Join();
                emit Finished(result);
            },
            Qt::QueuedConnection);
    });
    thread_->start();
    return true;
}

void GifBuildRunner::CancelAndWait() {
    cancel_ = true;
    Join();
    running_ = false;
    ++generation_;
}

void GifBuildRunner::Join() {
    if (!thread_)
        return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
}

} // namespace vx7::animation

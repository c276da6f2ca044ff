#include "GifBuildRunner.h"

#include <QMetaObject>

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
    running_ = true;
    const int generation = ++generation_;
    // Progress and the result travel to the owner's thread as queued calls; the owner
    // cannot be destroyed before the worker is joined.
    auto forwardProgress = [this, generation](const core::WorkProgress& p) {
        QMetaObject::invokeMethod(
            this,
            [this, p, generation] {
                if (generation == generation_)
                    emit Progress(p.done, p.total, p.text);
            },
            Qt::QueuedConnection);
    };
    auto build = [this, request, generation](core::WorkControl& control) {
        const auto result = job_.Run(
            request,
            [&control](int done, int total, const QString& text) { control.Report(done, total, text); },
            &control.StopFlag());
        QMetaObject::invokeMethod(
            this,
            [this, result, generation] {
                if (generation != generation_)
                    return; // abandoned by CancelAndWait
                running_ = false;
                worker_.Join();
                emit Finished(result);
            },
            Qt::QueuedConnection);
    };
    worker_.Start(std::move(build), std::move(forwardProgress));
    return true;
}

void GifBuildRunner::CancelAndWait() {
    worker_.StopAndJoin();
    running_ = false;
    ++generation_;
}

} // namespace vx7::animation

#pragma once

#include "GifBuildJob.h"

#include "core/BackgroundWorker.h"

#include <QObject>

namespace vx7::animation {

// Runs one GifBuildJob at a time on a worker thread so that the window keeps painting
// and shows progress. Signals arrive on the thread that owns the runner. Destroying the
// runner cancels a running build between pictures and waits for it.
class GifBuildRunner : public QObject {
    Q_OBJECT
  public:
    GifBuildRunner(GifEngine& engine, const core::EncoderRegistry& encoders, QObject* parent = nullptr);
    ~GifBuildRunner() override;

    // False when a build is running already.
    bool Start(const GifBuildRequest& request);
    bool IsRunning() const { return running_; }
    void Cancel() { worker_.RequestStop(); }
    // Cancels and blocks until the worker has ended (no signal is emitted afterwards).
    void CancelAndWait();

  signals:
    void Progress(int done, int total, const QString& text);
    void Finished(const vx7::animation::GifJobResult& result);

  private:
    GifBuildJob job_;
    bool running_ = false;
    int generation_ = 0; // owner thread only; stale queued calls compare against it
    // Last member: joined before the job it runs is destroyed.
    core::BackgroundWorker worker_;
};

} // namespace vx7::animation

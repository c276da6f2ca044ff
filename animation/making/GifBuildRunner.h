#pragma once

#include "GifBuildJob.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

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
    void Cancel() { cancel_ = true; }
    // Cancels and blocks until the worker has ended (no signal is emitted afterwards).
    void CancelAndWait();

  signals:
    void Progress(int done, int total, const QString& text);
    void Finished(const vx7::animation::GifJobResult& result);

  private:
    void Join();

    GifBuildJob job_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
    int generation_ = 0; // owner thread only; stale queued calls compare against it
    QThread* thread_ = nullptr;
};

} // namespace vx7::animation

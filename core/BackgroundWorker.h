#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace vx7::core {

// The last progress a piece of background work reported.
struct WorkProgress {
    int done = 0;
    int total = 0;
    QString text;
};

// What the work function sees of its worker: the stop request, a wait that a stop
// request cuts short, and the progress report.
class WorkControl {
  public:
    bool StopRequested() const { return stop_.load(); }
    // For code that polls a flag of its own type rather than this control.
    const std::atomic<bool>& StopFlag() const { return stop_; }
    // Sleeps up to limit; returns at once, with true, when a stop is requested.
    bool WaitForStop(std::chrono::milliseconds limit);
    // Stores the progress and hands it to the worker's observer on this thread.
    void Report(int done, int total, const QString& text = {});

  private:
    friend class BackgroundWorker;

    std::atomic<bool> stop_{false};
    std::mutex* lock_ = nullptr;
    std::condition_variable* wake_ = nullptr;
    WorkProgress* progress_ = nullptr;
    std::function<void(const WorkProgress&)> observer_;
};

// Runs one piece of work at a time on a thread of its own. The work polls
// StopRequested() (or waits with WaitForStop()) and reports progress, which the owner
// either polls with Progress() or receives through an observer called on the worker
// thread. The thread is always joined, never detached: Join() and the destructor ask
// the work to stop and wait for it to return, so the work may use the owner's members
// for as long as it runs.
class BackgroundWorker {
  public:
    using Work = std::function<void(WorkControl&)>;
    using ProgressObserver = std::function<void(const WorkProgress&)>;

    BackgroundWorker();
    // Requests a stop and joins the thread.
    ~BackgroundWorker();
    BackgroundWorker(const BackgroundWorker&) = delete;
    BackgroundWorker& operator=(const BackgroundWorker&) = delete;

    // Starts work on a new thread with the stop request cleared. A previous run that
    // has ended is joined first; false (nothing started) while one is still running.
    bool Start(Work work, ProgressObserver observer = {});
    // Asks the running work to stop; it ends at its next check.
    void RequestStop();
    bool StopRequested() const { return control_.StopRequested(); }

    // True from Start() until the work has returned.
    bool Running() const;
    // True once started work has returned (until the next Start()).
    bool Finished() const;
    // True when the work has returned within limit, or none was started.
    bool Wait(std::chrono::milliseconds limit);
    // Requests a stop, waits for the work to return and joins the thread.
    void StopAndJoin();
    // Waits for the work to return, however long it takes, and joins the thread.
    void Join();

    WorkProgress Progress() const;

  private:
    mutable std::mutex lock_;
    std::condition_variable changed_;
    bool started_ = false;
    bool finished_ = false;
    WorkProgress progress_;
    WorkControl control_;
    std::thread thread_;
};

} // namespace vx7::core

#pragma once

#include <atomic>
#include <functional>

namespace vx7::animation {

// Frames of an animation are independent until they are written, so their colour
// reduction and coding can run side by side. FrameWorkers runs work(item, worker) for
// every item of [0, count) on up to Threads() threads: the calling thread and extra
// threads that live for one Run. Items are taken in increasing order, one at a time;
// a stop request is checked before each item is taken, so after a stop every worker
// finishes at most the item it holds. The results are the caller's to keep per item
// (each item writes only its own slot), so their order never depends on timing.
class FrameWorkers {
  public:
    // threads < 1 means the default: the machine's cores. Never more than kMaxThreads.
    explicit FrameWorkers(int threads = 0);

    static constexpr int kMaxThreads = 4;
    static int DefaultThreads();
    int Threads() const { return threads_; }

    // worker: 0 to Threads() − 1, stable for the worker, for per-worker buffers.
    // done(items finished so far) is called after each item, under a lock, on the
    // thread that finished it. Returns false when a stop request left items untaken.
    bool Run(int count, const std::function<void(int item, int worker)>& work,
             const std::atomic<bool>* stop = nullptr, const std::function<void(int done)>& done = {}) const;

  private:
    int threads_;
};

} // namespace vx7::animation

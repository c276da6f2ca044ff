#include "FrameWorkers.h"

#include <algorithm>
#include <mutex>
#include <thread>
#include <vector>

namespace vx7::animation {

// Never more than kMaxThreads: callers keep per-worker buffers of that many.
FrameWorkers::FrameWorkers(int threads)
    : threads_(threads < 1 ? DefaultThreads() : std::min(threads, kMaxThreads)) {}

int FrameWorkers::DefaultThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(cores), 1, kMaxThreads);
}

bool FrameWorkers::Run(int count, const std::function<void(int, int)>& work, const std::atomic<bool>* stop,
                       const std::function<void(int)>& done) const {
    std::atomic<int> next{0};
    std::atomic<bool> stopped{false};
    std::mutex lock;
    int finished = 0;
    auto loop = [&](int worker) {
        for (;;) {
            if (stop && stop->load()) {
                stopped = true;
                return;
            }
            const int item = next.fetch_add(1);
            if (item >= count)
                return;
            work(item, worker);
            if (done) {
                std::lock_guard guard(lock);
                done(++finished);
            }
        }
    };
    const int extra = std::min(threads_, std::max(count, 1)) - 1;
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(extra));
    for (int w = 1; w <= extra; ++w)
        threads.emplace_back(loop, w);
    loop(0);
    for (std::thread& t : threads)
        t.join();
    return !stopped.load() || next.load() >= count;
}

} // namespace vx7::animation

#include "animation/gif/FrameWorkers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <vector>

using vx7::animation::FrameWorkers;

// Callers size per-worker buffers by kMaxThreads and index them by the worker number,
// so every item must run exactly once on a worker below that bound, whatever is asked.
TEST(FrameWorkersTest, EveryItemRunsOnceOnAWorkerBelowTheBound) {
    for (const int asked : {0, 1, 2, 4, 16}) {
        const FrameWorkers workers(asked);
        EXPECT_GE(workers.Threads(), 1) << asked;
        EXPECT_LE(workers.Threads(), FrameWorkers::kMaxThreads) << asked;
        std::vector<std::atomic<int>> runs(200);
        std::atomic<int> worstWorker{0};
        int lastDone = 0;
        const bool finished = workers.Run(
            200,
            [&](int item, int worker) {
                ++runs[static_cast<std::size_t>(item)];
                int seen = worstWorker.load();
                while (worker > seen && !worstWorker.compare_exchange_weak(seen, worker)) {
                }
            },
            nullptr, [&](int done) { lastDone = done; });
        EXPECT_TRUE(finished);
        EXPECT_EQ(lastDone, 200);
        EXPECT_LT(worstWorker.load(), workers.Threads()) << asked;
        for (const auto& r : runs)
            EXPECT_EQ(r.load(), 1) << asked;
    }
}

// A stop raised by the first finished item lets each worker finish at most the item
// it holds; the run then says items were left.
TEST(FrameWorkersTest, AStopLeavesAtMostOneItemPerWorker) {
    const FrameWorkers workers(3);
    std::atomic<bool> stop{false};
    std::atomic<int> ran{0};
    const bool finished = workers.Run(
        100, [&](int, int) { ++ran; }, &stop, [&](int) { stop = true; });
    EXPECT_FALSE(finished);
    EXPECT_GE(ran.load(), 1);
    EXPECT_LE(ran.load(), workers.Threads());
}

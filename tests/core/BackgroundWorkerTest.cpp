#include "core/BackgroundWorker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using vx7::core::BackgroundWorker;
using vx7::core::WorkControl;
using vx7::core::WorkProgress;

namespace {

// Blocks the work until the test lets it go, so a test can look at a running worker.
struct Gate {
    std::mutex lock;
    std::condition_variable cv;
    bool open = false;
    void Open() {
        std::lock_guard g(lock);
        open = true;
        cv.notify_all();
    }
    void Pass() {
        std::unique_lock g(lock);
        cv.wait(g, [this] { return open; });
    }
};

} // namespace

TEST(BackgroundWorkerTest, ProgressReachesTheObserverOnTheWorkerThreadAndStaysReadable) {
    BackgroundWorker worker;
    std::mutex seenLock;
    std::vector<int> seen;
    std::thread::id observerThread;
    const auto owner = std::this_thread::get_id();
    ASSERT_TRUE(worker.Start(
        [](WorkControl& control) {
            for (int i = 1; i <= 4; ++i)
                control.Report(i, 4, QStringLiteral("step %1").arg(i));
        },
        [&](const WorkProgress& p) {
            std::lock_guard g(seenLock);
            seen.push_back(p.done);
            observerThread = std::this_thread::get_id();
            EXPECT_EQ(p.total, 4);
        }));
    ASSERT_TRUE(worker.Wait(10s));
    EXPECT_TRUE(worker.Finished());
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_NE(observerThread, owner);
    const WorkProgress last = worker.Progress();
    EXPECT_EQ(last.done, 4);
    EXPECT_EQ(last.text, QStringLiteral("step 4"));
}

TEST(BackgroundWorkerTest, StopCutsALongWaitShortAndPollingWorkEnds) {
    BackgroundWorker worker;
    std::atomic<bool> stoppedEarly{false};
    ASSERT_TRUE(worker.Start([&](WorkControl& control) { stoppedEarly = control.WaitForStop(60s); }));
    EXPECT_FALSE(worker.Wait(50ms)); // still waiting: nothing asked it to stop
    EXPECT_TRUE(worker.Running());
    const auto before = std::chrono::steady_clock::now();
    worker.RequestStop();
    ASSERT_TRUE(worker.Wait(5s));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2s);
    EXPECT_TRUE(stoppedEarly);

    // A loop that only polls the flag ends too, and a new run starts with it cleared.
    std::atomic<int> rounds{0};
    ASSERT_TRUE(worker.Start([&](WorkControl& control) {
        EXPECT_FALSE(control.StopRequested());
        while (!control.StopFlag().load()) {
            ++rounds;
            std::this_thread::sleep_for(1ms);
        }
    }));
    while (rounds == 0)
        std::this_thread::sleep_for(1ms);
    worker.StopAndJoin();
    EXPECT_TRUE(worker.Finished());
}

TEST(BackgroundWorkerTest, StartIsRefusedWhileRunningAndAllowedOnceEnded) {
    BackgroundWorker worker;
    EXPECT_TRUE(worker.Wait(0ms)); // nothing started: nothing to wait for
    EXPECT_FALSE(worker.Finished());
    Gate gate;
    int runs = 0;
    ASSERT_TRUE(worker.Start([&](WorkControl& control) {
        control.Report(7, 9);
        gate.Pass();
        ++runs;
    }));
    EXPECT_FALSE(worker.Start([&](WorkControl&) { ++runs; }));
    gate.Open();
    worker.Join();
    EXPECT_EQ(runs, 1);
    // The next run starts from nothing reported.
    ASSERT_TRUE(worker.Start([&](WorkControl&) { ++runs; }));
    worker.Join();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(worker.Progress().done, 0);
}

TEST(BackgroundWorkerTest, DestroyingARunningWorkerStopsAndJoinsIt) {
    // The work touches memory that lives exactly as long as the worker's owner; a
    // detached thread would outlive it and the sanitizer would catch the access.
    struct Owner {
        std::vector<int> buffer = std::vector<int>(1000, 0);
        BackgroundWorker worker;
    };
    std::atomic<bool> returned{false};
    {
        auto owner = std::make_unique<Owner>();
        Gate started;
        ASSERT_TRUE(owner->worker.Start([&, buffer = &owner->buffer](WorkControl& control) {
            started.Open();
            while (!control.WaitForStop(1ms))
                ++(*buffer)[0];
            std::this_thread::sleep_for(20ms); // a slow wind-down is still waited for
            ++(*buffer)[999];
            returned = true;
        }));
        started.Pass();
        owner.reset();
        EXPECT_TRUE(returned);
    }
    EXPECT_TRUE(returned);
}

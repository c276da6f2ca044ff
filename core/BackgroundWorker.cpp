#include "BackgroundWorker.h"

namespace vx7::core {

bool WorkControl::WaitForStop(std::chrono::milliseconds limit) {
    std::unique_lock lock(*lock_);
    return wake_->wait_for(lock, limit, [this] { return stop_.load(); });
}

void WorkControl::Report(int done, int total, const QString& text) {
    WorkProgress copy{done, total, text};
    {
        std::lock_guard lock(*lock_);
        *progress_ = copy;
    }
    if (observer_)
        observer_(copy);
}

BackgroundWorker::BackgroundWorker() {
    control_.lock_ = &lock_;
    control_.wake_ = &changed_;
    control_.progress_ = &progress_;
}

BackgroundWorker::~BackgroundWorker() {
    StopAndJoin();
}

bool BackgroundWorker::Start(Work work, ProgressObserver observer) {
    if (Running())
        return false;
    Join();
    {
        std::lock_guard lock(lock_);
        started_ = true;
        finished_ = false;
        progress_ = WorkProgress{};
        control_.stop_ = false;
    }
    // Set before the thread exists and read only by it, so it needs no lock.
    control_.observer_ = std::move(observer);
    thread_ = std::thread([this, work = std::move(work)] {
        work(control_);
        std::lock_guard lock(lock_);
        finished_ = true;
        changed_.notify_all();
    });
    return true;
}

void BackgroundWorker::RequestStop() {
    std::lock_guard lock(lock_);
    control_.stop_ = true;
    changed_.notify_all();
}

bool BackgroundWorker::Running() const {
    std::lock_guard lock(lock_);
    return started_ && !finished_;
}

bool BackgroundWorker::Finished() const {
    std::lock_guard lock(lock_);
    return started_ && finished_;
}

bool BackgroundWorker::Wait(std::chrono::milliseconds limit) {
    std::unique_lock lock(lock_);
    return changed_.wait_for(lock, limit, [this] { return !started_ || finished_; });
}

void BackgroundWorker::StopAndJoin() {
    RequestStop();
    Join();
}

void BackgroundWorker::Join() {
    if (thread_.joinable())
        thread_.join();
}

WorkProgress BackgroundWorker::Progress() const {
    std::lock_guard lock(lock_);
    return progress_;
}

} // namespace vx7::core

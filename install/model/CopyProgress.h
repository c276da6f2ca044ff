#pragma once

#include <QString>

#include <atomic>
#include <mutex>

namespace vx7::install {

// Failed: a file could not be copied (a full volume, a file in the way); the copying
// stopped there.
enum class CopyState : int { Idle = 0, Copying = 1, Stopped = 2, Done = 3, Failed = 4 };

// What the copy thread and the dialog's timer share. The copy thread writes the
// indices, the name and the state; the dialog writes the stop request and clears the
// range flag. Each value is written by one side and polled by the other; the
// current name is a string and so sits behind a small lock.
class CopyProgress {
  public:
    std::atomic<int> folderIndex{0};       // 1-based number of the folder being copied
    std::atomic<int> fileIndex{0};         // 1-based number of the entry being copied
    std::atomic<int> fileCount{0};         // entries of the current folder
    std::atomic<bool> rangePending{false}; // the file bar's range is still to be set
    std::atomic<bool> stopRequested{false};
    std::atomic<int> state{static_cast<int>(CopyState::Idle)};

    CopyState State() const { return static_cast<CopyState>(state.load()); }
    void SetState(CopyState s) { state.store(static_cast<int>(s)); }

    void SetCurrentName(const QString& name) {
        std::lock_guard lock(mutex_);
        name_ = name;
    }
    QString CurrentName() const {
        std::lock_guard lock(mutex_);
        return name_;
    }

  private:
    mutable std::mutex mutex_;
    QString name_;
};

} // namespace vx7::install

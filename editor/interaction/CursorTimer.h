#pragma once

#include <functional>
#include <memory>

namespace vx7::editor {

// A single-shot timer for the make-up brush's flashing cursor. The interaction
// never sleeps: it starts the timer and changes the cursor when it fires.
// Starting it again replaces the pending shot.
class CursorTimer {
  public:
    virtual ~CursorTimer() = default;
    virtual void Start(int milliseconds, std::function<void()> fire) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
};

// The timer of a running program, on the event loop of the calling thread.
std::unique_ptr<CursorTimer> MakeEventLoopCursorTimer();

// A timer that fires only when told to; for tests.
class ManualCursorTimer final : public CursorTimer {
  public:
    void Start(int milliseconds, std::function<void()> fire) override {
        interval_ = milliseconds;
        fire_ = std::move(fire);
    }
    void Stop() override { fire_ = nullptr; }
    bool Active() const override { return static_cast<bool>(fire_); }
    int Interval() const { return interval_; }
    // Fires the pending shot, if any; returns whether one was pending.
    bool Fire() {
        if (!fire_)
            return false;
        auto f = std::move(fire_);
        fire_ = nullptr;
        f();
        return true;
    }

  private:
    std::function<void()> fire_;
    int interval_ = 0;
};

} // namespace vx7::editor

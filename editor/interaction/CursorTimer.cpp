#include "editor/interaction/CursorTimer.h"

#include <QTimer>

namespace vx7::editor {

namespace {

class EventLoopCursorTimer final : public CursorTimer {
  public:
    EventLoopCursorTimer() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            // The callback may start the timer again for the next shot.
            auto fire = std::move(fire_);
            fire_ = nullptr;
            if (fire)
                fire();
        });
    }
    void Start(int milliseconds, std::function<void()> fire) override {
        fire_ = std::move(fire);
        timer_.start(milliseconds);
    }
    void Stop() override {
        timer_.stop();
        fire_ = nullptr;
    }
    bool Active() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
    std::function<void()> fire_;
};

} // namespace

std::unique_ptr<CursorTimer> MakeEventLoopCursorTimer() {
    return std::make_unique<EventLoopCursorTimer>();
}

} // namespace vx7::editor

#pragma once

#include <QImage>
#include <QRect>

namespace vx7::platform {

// Reads pixels of the primary screen.
class ScreenGrabber {
  public:
    virtual ~ScreenGrabber() = default;
    // The given rectangle of the screen; a null image when the screen cannot be read.
    virtual QImage GrabArea(const QRect& area) = 0;
    // The whole primary screen with the mouse cursor drawn in; null when unavailable.
    virtual QImage GrabScreenWithCursor() = 0;
};

// Reports "unavailable": every grab gives a null image.
class NullScreenGrabber final : public ScreenGrabber {
  public:
    QImage GrabArea(const QRect&) override { return QImage(); }
    QImage GrabScreenWithCursor() override { return QImage(); }
};

// A fixed picture standing in for the screen; used by tests and headless runs.
class ImageScreenGrabber final : public ScreenGrabber {
  public:
    explicit ImageScreenGrabber(QImage screen) : screen_(std::move(screen)) {}
    QImage GrabArea(const QRect& area) override { return screen_.copy(area); }
    QImage GrabScreenWithCursor() override { return screen_; }

  private:
    QImage screen_;
};

} // namespace vx7::platform

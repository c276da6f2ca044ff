#pragma once

#include <QWidget>

namespace vx7::camera {

class CaptureDevice;

// Frame 1000: shows the camera's newest frame at its own size from the top-left corner
// (the frame is fitted to the camera image, so a larger image is cut to the frame).
class PreviewFrame : public QWidget {
    Q_OBJECT
  public:
    enum { kId = 1000 };
    PreviewFrame(CaptureDevice* device, QWidget* parent = nullptr);

    int FramesShown() const { return framesShown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CaptureDevice* device_;
    int framesShown_ = 0;
};

} // namespace vx7::camera

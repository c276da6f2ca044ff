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

    // While a clip records: a red dot and the text (elapsed and limit) in the top-left
    // corner of the picture. Empty: nothing.
    void SetRecordingText(const QString& text);
    QString RecordingText() const { return recordingText_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CaptureDevice* device_;
    int framesShown_ = 0;
    QString recordingText_;
};

} // namespace vx7::camera

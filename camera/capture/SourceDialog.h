#pragma once

#include "CaptureDevice.h"

#include <QDialog>

#include <vector>

class QSlider;

namespace vx7::camera {

// The camera's source dialog: one slider per picture control (brightness, contrast,
// saturation, hue, …), applied to the running camera as the slider moves. Cancel
// puts the values back as they were when the dialog opened.
class SourceDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SourceDialog(CaptureDevice& device, QWidget* parent = nullptr);

    QSlider* Slider(const QString& controlName) const;
    void reject() override;

    // The Chinese caption of a control name the cameras use.
    static QString CaptionOf(const QString& controlName);

  private:
    CaptureDevice& device_;
    std::vector<CaptureControl> initial_;
    std::vector<QSlider*> sliders_;
};

} // namespace vx7::camera

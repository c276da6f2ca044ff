#pragma once

#include <QDialog>

class QButtonGroup;

namespace vx7::platform {
class Prompt;
}

namespace vx7::camera {

class CaptureDevice;

// The camera's compression dialog: the transfer compressions the device offers (for
// example MJPG, which keeps the frame rate up at large sizes, or raw YUYV, which keeps
// every detail). The choice takes effect at the next connection.
class CompressionDialog : public QDialog {
    Q_OBJECT
  public:
    CompressionDialog(CaptureDevice& device, QWidget* parent = nullptr);

    // Runs the dialog; with fewer than two compressions only says so through prompt.
    static int Run(CaptureDevice& device, platform::Prompt& prompt, QWidget* parent);
    static QString OnlyOneText(const QString& compression);
    static QString Describe(const QString& compression);

    QButtonGroup* Choices() const { return group_; }
    void accept() override;

  private:
    CaptureDevice& device_;
    QButtonGroup* group_;
};

} // namespace vx7::camera

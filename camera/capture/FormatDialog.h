#pragma once

#include <QDialog>

class QListWidget;

namespace vx7::camera {

class CaptureDevice;

// The camera's format dialog: the sizes and frame rates the device offers in its
// current compression. OK applies the chosen one to the device; the caller refits the
// preview and reconnects.
class FormatDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FormatDialog(CaptureDevice& device, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    void accept() override;

    static QString Describe(int width, int height, double fps);

  private:
    CaptureDevice& device_;
    QListWidget* list_;
};

} // namespace vx7::camera

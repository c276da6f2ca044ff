#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QPushButton;

namespace vx7::core {
class SysInfo;
}

namespace vx7::camera {

// The help window: a short description, the online manual, the camera on/off switch
// for screenshot-only work and the screen-capture hot key. It closes with OK only
// through the camera switch; the manual button (and Enter) leaves it open.
class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    enum { IDD = 100, kManualButton = 1, kCameraButton = 1097, kHotKeyCombo = 1098 };

    static QString Title() { return QStringLiteral("Vantor摄像头拍照(动画)Snapo操作说明"); }
    static QString CameraOffText() { return QStringLiteral("关闭摄像头只做截屏"); }
    static QString CameraOnText() { return QStringLiteral("重新打开摄像头"); }
    static QString VersionText() { return QStringLiteral("Vantor摄像头拍照(动画)Snapo V1.3 版"); }
    static QString ManualUrl();

    using OpenManual = std::function<void(const QString& url)>;
    HelpWindow(core::SysInfo& sys, OpenManual openManual, QWidget* parent = nullptr);

    QPushButton* ManualButton() const { return manual_; }
    QPushButton* CameraButton() const { return camera_; }
    QComboBox* HotKeyCombo() const { return hotKey_; }

    // OK (the default button, Enter): opens the manual and stays open.
    void accept() override;

  private:
    void ToggleCamera();
    void ChooseHotKey(int index);

    core::SysInfo& sys_;
    OpenManual openManual_;
    QPushButton* manual_;
    QPushButton* camera_;
    QComboBox* hotKey_;
};

} // namespace vx7::camera

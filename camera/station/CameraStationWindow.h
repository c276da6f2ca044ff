#pragma once

#include <QDialog>

#include <atomic>

namespace vx7::platform {
class Clock;
class Prompt;
class SoundPlayer;
} // namespace vx7::platform

namespace vx7::camera {

class SysInfo;
class SplashWindow;

// What the station needs from the rest of the program; built once in main().
struct StationContext {
    SysInfo& sys;
    const platform::Clock& clock;
    platform::Prompt& prompt;
    platform::SoundPlayer& sound;
    std::atomic<int>& splashState;
};

// The main window. Construction starts the splash and the start-up sound; the
// dialog initialisation reads the folders and settings, titles the window and tells
// the splash to close. The close box purges the work folder; Esc closes without.
class CameraStationWindow : public QDialog {
    Q_OBJECT
public:
    enum { IDD = 102 };

    explicit CameraStationWindow(StationContext ctx, QWidget* parent = nullptr);
    ~CameraStationWindow() override;

    static QString ProductTitle() { return QStringLiteral("Vantor摄像头Snapo V1.3"); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void InitDialog();

    StationContext ctx_;
    SplashWindow* splash_ = nullptr;
    bool escaping_ = false;
};

} // namespace vx7::camera

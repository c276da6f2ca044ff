#pragma once

#include "camera/capture/CaptureDevice.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

namespace vx7::platform {
class Prompt;
class SoundPlayer;
} // namespace vx7::platform

namespace vx7::core {
class SysInfo;
}

namespace vx7::camera {

// The station's side of the camera: connecting with the two failure messages,
// suspending, fitting the preview frame to the camera image and grabbing a still.
// The device may be null (no camera backend at all); every step then behaves like a
// camera that cannot be connected.
class CameraLink {
  public:
    static constexpr const char* kConnectFailedText = "与视频捕捉卡连接失败!";
    static constexpr const char* kInitFailedText = "视频捕捉卡初始化失败!";

    using ClipboardSink = std::function<void(const QImage&)>;

    CameraLink(CaptureDevice* device, core::SysInfo& sys, platform::Prompt& prompt,
               platform::SoundPlayer& sound);

    CaptureDevice* Device() const { return device_; }

    // Connects and switches the preview on. Shows "与视频捕捉卡连接失败!" when the camera
    // cannot be opened and "视频捕捉卡初始化失败!" when it gives no picture; each failed
    // connection shows its message again.
    ConnectResult ConnectCamera();

    // Preview off and disconnect (the caller hides the preview frame).
    void Suspend();

    // The preview frame's new rectangle for the camera's current image size, or nullopt
    // when that size equals the one fitted last (the frame then stays where it is).
    std::optional<QRect> FitPreviewFrame(const QRect& area);
    QSize LastFittedSize() const { return lastFitted_; }

    // Copies the current frame to the clipboard, writes it as a 24-bit BMP at path and,
    // when asked, sounds the shutter. False with the reason when there is no frame or
    // the file cannot be written; nothing is written then.
    bool GrabFrame(const QString& path, bool shutter, QString* error = nullptr);

    // Where copied frames go; the system clipboard unless replaced.
    void SetClipboardSink(ClipboardSink sink) { clipboard_ = std::move(sink); }

  private:
    CaptureDevice* device_;
    core::SysInfo& sys_;
    platform::Prompt& prompt_;
    platform::SoundPlayer& sound_;
    QSize lastFitted_{0, 0};
    ClipboardSink clipboard_;
};

} // namespace vx7::camera

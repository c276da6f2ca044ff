#pragma once

#include <QString>

#include <optional>

namespace vx7::platform {
class ScreenGrabber;
}

namespace vx7::core {
class EncoderRegistry;
class SysInfo;
} // namespace vx7::core

namespace vx7::camera {

// The screen-capture hot key's work: the whole primary screen with the cursor drawn
// in, stored like a single photo and marked for the editor.
class ScreenCapture {
  public:
    static constexpr int kHotKeyId = 1001;
    // The station reacts only while minimised: a client area of at most this many pixels.
    static constexpr int kMinimisedArea = 100;
    static constexpr int kQuality = 100;

    static bool IgnoresHotKey(int clientArea) { return clientArea > kMinimisedArea; }

    // Writes the screen with the cursor as a 24-bit bottom-up BMP at path. False (with
    // the reason) when the screen cannot be read or the file cannot be written.
    static bool CaptureScreenToBmp(platform::ScreenGrabber& screen, const QString& path,
                                   QString* error = nullptr);

    // Names the shot like a single photo (index -1), captures to the grab path and
    // converts to the final path for a format other than BMP, then sets the screenshot
    // flag. Returns the final path, or nullopt with the reason.
    static std::optional<QString> TakeScreenshot(platform::ScreenGrabber& screen,
                                                 const core::EncoderRegistry& encoders, core::SysInfo& sys,
                                                 const QString& photoName, const QString& format,
                                                 QString* error = nullptr);
};

} // namespace vx7::camera

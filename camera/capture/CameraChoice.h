#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace vx7::camera {

// Which camera the station uses: the first real camera, or the built-in test camera
// (a moving test pattern with a clock).
enum class CameraChoice { kAuto, kTest };

// "test" or "auto" (case-insensitive); nullopt for anything else.
std::optional<CameraChoice> ParseCameraChoice(const QString& text);

// The choice for a run: "--camera test|auto" (or "--camera=test") on the command line
// wins, then the environment value VX7_CAMERA, then auto. An unknown value is reported
// in error and the default applies.
CameraChoice CameraChoiceFor(const QStringList& arguments, const QByteArray& environmentValue,
                             QString* error = nullptr);

} // namespace vx7::camera

#pragma once

#include "CaptureDevice.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace vx7::platform {
class Clock;
}

namespace vx7::camera {

// Records clips from the camera into the photo folder: picks the file name (the photo
// name with ".avi", never replacing an existing file), keeps the time, and ends the
// clip at its limit (30 minutes, or sooner when the free space runs out) or when the
// device stops it. No widget: the station shows what it reports.
class ClipRecorder {
  public:
    static constexpr int kDefaultLimitSeconds = 30 * 60;
    // Free space kept on the volume: the clip stops while the muxer still has room to
    // write its index, so a full disk never leaves an unplayable file.
    static constexpr qint64 kReserveBytes = qint64(16) << 20;

    // Bytes free on the volume holding folder; negative when unknown.
    using FreeSpace = std::function<qint64(const QString& folder)>;

    enum class StopReason {
        kUser,        // stopped by the user, the window closing or a dialog opening
        kLimit,       // the time limit was reached
        kDiskFull,    // the free space ran out
        kWriteFailed, // the device could not write the file
        kCameraGone,  // the camera stopped, taking the clip with it
    };

    struct Outcome {
        QString path;
        StopReason reason = StopReason::kUser;
        bool hadSound = false;
        QString detail; // the device's reason after a write failure
        // The text for the user: short for the status label after a normal stop, a
        // full sentence with the file for the others.
        QString Message() const;
    };

    // freeSpace defaults to the volume's real free space.
    ClipRecorder(CaptureDevice& device, const platform::Clock& clock, FreeSpace freeSpace = {});

    // Starts "<folder>/<name>.avi" (or the next free name). False with the reason when
    // the name is not acceptable, the space is too small or the device cannot record.
    bool Start(const QString& folder, const QString& name, ClipSound sound, QString* error);

    // Finalises the clip; nullopt when none was recording.
    std::optional<Outcome> Stop(StopReason reason = StopReason::kUser);

    // Called periodically while recording: ends the clip at its limit or when the
    // space runs out, and notices a clip the device ended. The outcome when it ended.
    std::optional<Outcome> Check();

    // The device reported a write failure (its ClipFailed signal).
    void NoteWriteFailure(const QString& reason) { writeFailure_ = reason; }

    bool Recording() const { return recording_; }
    QString Path() const { return path_; }
    bool HasSound() const { return hasSound_; }
    int ElapsedSeconds() const;
    // The limit shown to the user: the time limit, or less once the measured data rate
    // says the free space ends sooner.
    int LimitSeconds() const;
    // "mm:ss / mm:ss": elapsed and limit.
    QString TimeText() const;

    static QString MinutesSeconds(int seconds);

  private:
    qint64 Free() const;

    CaptureDevice& device_;
    const platform::Clock& clock_;
    FreeSpace freeSpace_;
    bool recording_ = false;
    bool hasSound_ = false;
    QString path_;
    QString folder_;
    QDateTime started_;
    QString writeFailure_;
};

} // namespace vx7::camera

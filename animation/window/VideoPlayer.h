#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace vx7::animation {

// A video file opened for playback, in the terms of a digital-video device: length and
// position in frames, seek to the start, play, stop, pause, a speed where 1000 is
// normal, and a mode. Frames are delivered as pictures that a video widget paints.
// All calls come from one thread (the window's); only the frame notification may
// arrive on another.
class VideoPlayer {
  public:
    enum class Mode { NotOpen, Stopped, Playing, Paused };

    // Device mode numbers as the window's timer knows them.
    static constexpr int kModeStopped = 525;
    static constexpr int kModePlaying = 526;
    static constexpr int kModePaused = 529;

    using FrameNotification = std::function<void()>;

    virtual ~VideoPlayer() = default;

    // Opens the file and waits until its first frame is ready; seeks to the start.
    // False, with a reason, when the file cannot be played.
    virtual bool Open(const QString& path, QString* error = nullptr) = 0;
    // Stops and releases the file; no frame notification arrives afterwards.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    virtual qint64 LengthFrames() const = 0;
    virtual qint64 PositionFrames() = 0;
    // The frame rate as the information line shows it, in frames per minute.
    virtual int FrameRateValue() const = 0;
    virtual QSize SourceSize() const = 0;

    virtual void SeekToStart() = 0;
    // Plays from the current position to the end, once.
    virtual void Play() = 0;
    // Stops playback where it is.
    virtual void Stop() = 0;
    virtual void Pause() = 0;
    // 1000 is normal speed; 1020 plays 2 % faster.
    virtual void SetSpeed(int speed) = 0;
    // The rate the playback runs at, as the pipeline reports it (1.0 is normal).
    virtual double Rate() = 0;
    virtual void SetSoundOn(bool on) = 0;

    // Current mode; also takes note of the end of the file and of playback errors.
    virtual Mode CurrentMode() = 0;
    static int ModeNumber(Mode mode) {
        switch (mode) {
        case Mode::Playing:
            return kModePlaying;
        case Mode::Paused:
            return kModePaused;
        default:
            return kModeStopped;
        }
    }

    // The latest decoded frame (null before the first).
    virtual QImage CurrentFrame() const = 0;
    // Called (possibly on a streaming thread) whenever a new frame is available.
    virtual void SetFrameNotification(FrameNotification notification) = 0;
};

using VideoPlayerFactory = std::function<std::unique_ptr<VideoPlayer>()>;

} // namespace vx7::animation

#pragma once

#include <QString>

#include <memory>

namespace vx7::platform {

// Plays sound files without blocking. Each call starts its own playback, so
// several sounds may overlap. Failures (missing file, no audio device) are silent.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;

    // Plays a WAV (or any other decodable) file once from the start. A path
    // starting with ":/" names a bundled resource.
    virtual void Play(const QString& path) = 0;

    // Number of playbacks still running (for tests and diagnostics).
    virtual int ActiveCount() const = 0;
};

// Plays nothing; used where no audio is wanted (tests, headless tools).
class NullSoundPlayer final : public SoundPlayer {
  public:
    void Play(const QString& path) override {
        last_ = path;
        ++count_;
    }
    int ActiveCount() const override { return 0; }
    QString LastPath() const { return last_; }
    int PlayCount() const { return count_; }

  private:
    QString last_;
    int count_ = 0;
};

// The GStreamer player: playbin into the machine's audio output, or into a
// discarding sink where the machine has no audio device.
std::unique_ptr<SoundPlayer> MakeSoundPlayer();

} // namespace vx7::platform

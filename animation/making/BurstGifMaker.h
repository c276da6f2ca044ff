#pragma once

#include "GifBuildRunner.h"
#include "LastMadeFile.h"

#include <QObject>
#include <QStringList>

#include <functional>

namespace vx7::platform {
class Prompt;
}

namespace vx7::animation {

class GifMakingSettings;

// The camera station's GIF button: turns the photos of the last burst into
// "<photo folder>/<photo name>.gif" and then opens it in the animation window.
// The station supplies, with each request, what happens to its own controls.
class BurstGifMaker : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxFrames = 38;

    struct Hooks {
        std::function<void(bool)>
            setControlsEnabled; // format, name, shoot, timer, burst, interval, GIF button
        std::function<void(const QString&)> showStatus; // progress and the outcome
        std::function<void(const LastMadeFile&)> recordLastMade;
        std::function<void()> refreshDisplay;
        std::function<void()> openLastMade; // the animation window with automatic open
    };

    BurstGifMaker(GifEngine& engine, const core::EncoderRegistry& encoders, platform::Prompt& prompt,
                  QObject* parent = nullptr);

    // Starts the build after the question; false when nothing was started (fewer than
    // two photos, No, or a build running). The hooks are kept until the build ends and
    // are called from this object's thread.
    bool MakeBurstGif(const QStringList& burstPhotos, const QString& photoFolder, const QString& photoName,
                      const GifMakingSettings& settings, Hooks hooks);

    bool IsBuilding() const { return runner_.IsRunning(); }
    // Waits for a running build (used when the station closes).
    void CancelAndWait() { runner_.CancelAndWait(); }

    static QString Question(const QString& photoName);

  signals:
    void Done(const vx7::animation::GifJobResult& result);

  private:
    void OnFinished(const GifJobResult& result);

    platform::Prompt& prompt_;
    Hooks hooks_;
    GifBuildRunner runner_;
    QString pendingName_;
};

} // namespace vx7::animation

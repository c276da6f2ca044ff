#pragma once

#include "QtFileChooser.h"
#include "VideoPlayer.h"
#include "animation/making/BurstGifMaker.h"
#include "animation/making/EngineGifBackend.h"
#include "animation/music/BackgroundMusic.h"

#include <memory>

namespace vx7::camera {
class EncoderRegistry;
struct StationHooks;
class SysInfo;
} // namespace vx7::camera

namespace vx7::platform {
class Prompt;
class SoundPlayer;
} // namespace vx7::platform

namespace vx7::animation {

class GifAnimationBuilder;
class ImageConverterLibrary;

// Connects the camera station's doors to the animation work: the animation window
// ("butVideo" and `OpenLastMade`), the GIF button's burst GIF, and the background
// music. Owns the run's GIF builder, the converter library and what the windows
// share. Made once in main(), before the station, and outlives it.
class AnimationStationBridge {
  public:
    // files and players replace the real dialogs and video player (for tests).
    AnimationStationBridge(camera::SysInfo& sys, platform::Prompt& prompt, camera::EncoderRegistry& encoders,
                           platform::SoundPlayer& sound, FileChooser* files = nullptr,
                           VideoPlayerFactory players = {});
    ~AnimationStationBridge();

    // Fills the hooks the station calls.
    void Install(camera::StationHooks& hooks);

    FileChooser& Files() { return *chooser_; }
    BackgroundMusic& Music() { return music_; }
    BurstGifMaker& Burst() { return burst_; }

  private:
    camera::SysInfo& sys_;
    platform::Prompt& prompt_;
    camera::EncoderRegistry& encoders_;
    std::unique_ptr<GifAnimationBuilder> builder_;
    std::unique_ptr<ImageConverterLibrary> converter_;
    EngineGifBackend engine_;
    QtFileChooser files_;
    FileChooser* chooser_;
    VideoPlayerFactory players_;
    BackgroundMusic music_;
    BurstGifMaker burst_;
};

} // namespace vx7::animation

#pragma once

#include "animation/making/BurstGifMaker.h"
#include "animation/making/EngineGifBackend.h"
#include "animation/music/BackgroundMusic.h"
#include "animation/window/QtFileChooser.h"
#include "animation/window/VideoPlayer.h"

#include <memory>

namespace vx7::core {
class EncoderRegistry;
class SysInfo;
} // namespace vx7::core

namespace vx7::camera {
struct StationHooks;
} // namespace vx7::camera

namespace vx7::platform {
class Prompt;
class SoundPlayer;
} // namespace vx7::platform

namespace vx7::animation {
class GifAnimationBuilder;
class ImageConverterLibrary;
} // namespace vx7::animation

namespace vx7::app {

// Connects the camera station's doors to the animation work: the animation window
// ("butVideo" and `OpenLastMade`), the GIF button's burst GIF, and the background
// music. Owns the run's GIF builder, the converter library and what the windows
// share. Made once in main(), before the station, and outlives it. The animation
// library knows nothing of the station; this is the one place the two meet.
class AnimationStationBridge {
  public:
    // files and players replace the real dialogs and video player (for tests).
    AnimationStationBridge(core::SysInfo& sys, platform::Prompt& prompt, core::EncoderRegistry& encoders,
                           platform::SoundPlayer& sound, animation::FileChooser* files = nullptr,
                           animation::VideoPlayerFactory players = {});
    ~AnimationStationBridge();

    // Fills the hooks the station calls.
    void Install(camera::StationHooks& hooks);

    animation::FileChooser& Files() { return *chooser_; }
    animation::BackgroundMusic& Music() { return music_; }
    animation::BurstGifMaker& Burst() { return burst_; }
    animation::ImageConverterLibrary& Converter() { return *converter_; }

  private:
    core::SysInfo& sys_;
    platform::Prompt& prompt_;
    core::EncoderRegistry& encoders_;
    std::unique_ptr<animation::GifAnimationBuilder> builder_;
    std::unique_ptr<animation::ImageConverterLibrary> converter_;
    animation::EngineGifBackend engine_;
    animation::QtFileChooser files_;
    animation::FileChooser* chooser_;
    animation::VideoPlayerFactory players_;
    animation::BackgroundMusic music_;
    animation::BurstGifMaker burst_;
};

} // namespace vx7::app

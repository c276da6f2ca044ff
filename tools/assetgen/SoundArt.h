#pragma once

#include <vector>

namespace vx7::assetgen {

// Every generated sound is mono at this rate, as samples in [-1, 1].
inline constexpr int kSoundRate = 22050;

// The short click played when the camera is suspended (WAVE 145).
std::vector<float> ClickSound();
// The start-up jingle (WAVE 151): a bright rising arpeggio of about a second and a half.
std::vector<float> StartupJingle();
// A camera shutter: the two mechanical clacks of a mirror and a shutter (CAMERAFAST.WAV).
std::vector<float> ShutterSound();
// A gentle music loop of four bars (loop11.WAV). It is mixed circularly, so tails that run past
// the end sound again at the start and the loop repeats without a seam.
std::vector<float> MusicLoop();

} // namespace vx7::assetgen

#pragma once

#include "VideoPlayer.h"

#include <memory>

namespace vx7::animation {

// The video player on GStreamer: playbin with an application sink that hands decoded
// pictures (32-bit RGB) to the window, and the machine's audio output, or a discarding
// sink where the machine has none.
std::unique_ptr<VideoPlayer> MakeGstVideoPlayer();

} // namespace vx7::animation

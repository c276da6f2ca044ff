#pragma once

#include "ScreenGrabber.h"

#include <memory>

namespace vx7::platform {

// The screen grabber of this session: the primary screen through QScreen, with the
// cursor picture from XFixes on an X11 display (without a cursor elsewhere). Where the
// screen cannot be read at all, grabs give null pictures.
std::unique_ptr<ScreenGrabber> MakeScreenGrabber();

} // namespace vx7::platform

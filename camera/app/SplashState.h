#pragma once

namespace vx7::camera {

// Values of the splash state shared by the station and the splash window.
enum SplashState : int {
    kSplashGone = 0,
    kSplashStarting = 100,
    kSplashUp = 111,
    kSplashClose = 999,
};

} // namespace vx7::camera

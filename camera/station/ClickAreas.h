#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

namespace vx7::camera {

// What a click on one of the station's reactive areas does.
struct ClickAction {
    enum Kind {
        kNone,
        kStartSelfTimer, // label 1021
        kOpenLastPhoto,  // frame 1017, when there is a last photo
        kOpenBurstShot,  // strip cell `index`, when more than one shot is stored
        kOpenEditor,     // the value editor of control `control` (1002, 1009, 1019, 1011, 1003)
        kStartBurst,     // the burst box
    };
    Kind kind = kNone;
    int index = -1;
    int control = 0;
};

// The areas that react to a click, tested in a fixed order; the last match wins.
class ClickAreas {
  public:
    struct State {
        bool hasLastPhoto = false;   // the last photo path has more than 2 characters
        int shotsStored = 0;         // burst shots stored
        std::vector<QRect> cells;    // strip cells in use (at most the shots stored)
        bool burstBoxActive = false; // burst count above 1 and no shot in progress
    };

    static ClickAction Hit(QPoint point, const State& state);
};

} // namespace vx7::camera

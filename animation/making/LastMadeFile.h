#pragma once

#include <QString>

namespace vx7::animation {

// The file the camera station made last and passes to the animation window:
// "<photo name>.gif" with kind 1 after a burst GIF; empty with kind 0 otherwise.
struct LastMadeFile {
    static constexpr int kNone = 0;
    static constexpr int kGif = 1;

    QString name;
    int kind = kNone;

    // The window uses the name only when it is longer than 3 bytes.
    bool IsUsable() const;
};

} // namespace vx7::animation

#pragma once

#include <QImage>
#include <QRect>

namespace vx7::animation {

// One image of an animated GIF, ready to be composed: the decoded picture of the
// frame (at the frame's own size), where it goes on the logical screen, how long it
// stays and how it is disposed of afterwards.
struct GifFrameRecord {
    QImage picture;
    int left = 0, top = 0, width = 0, height = 0;
    int delay = -1;   // hundredths of a second; -1 when the frame has no graphic control extension
    int disposal = 0; // 0/1 leave in place, 2 restore background, 3 restore what was under it

    QRect Rect() const { return QRect(left, top, width, height); }
};

} // namespace vx7::animation

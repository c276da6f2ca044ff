#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>

namespace vx7::animation {

// One image of an animated GIF, ready to be composed: the frame (decoded, or kept as
// a GIF file of its own and decoded each time it is shown), where it goes on the
// logical screen, how long it stays and how it is disposed of afterwards.
struct GifFrameRecord {
    QImage picture; // the decoded frame at its own size; null while it is kept compressed
    QByteArray gif; // the frame cut out as a single-image GIF, when picture is null
    int left = 0, top = 0, width = 0, height = 0;
    int delay = -1;   // hundredths of a second; -1 when the frame has no graphic control extension
    int disposal = 0; // 0/1 leave in place, 2 restore background, 3 restore what was under it

    QRect Rect() const { return QRect(left, top, width, height); }

    // The frame's picture: picture when set, otherwise gif decoded now and cut to the
    // frame's own area (decoders paint a frame onto a picture of the logical screen's
    // size). Null when neither holds a decodable picture.
    QImage Picture() const;
};

} // namespace vx7::animation

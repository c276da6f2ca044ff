#pragma once

#include <QImage>
#include <QPoint>

namespace vx7::assetgen {

struct CursorPicture {
    QImage image;
    QPoint hotSpot;
};

// Cursor resource `id`: a 32 x 32 picture and its hot spot (the pixel the pointer acts at).
// A null image for an unknown number.
CursorPicture MakeCursor(int id);

} // namespace vx7::assetgen

#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>

#include <vector>

namespace vx7::camera {

// Geometry of the burst thumbnail strip and of the thumbnails in it.
class BurstStrip {
  public:
    // The strip: the group's rectangle with its top 3 pixels lower and its right edge
    // 3 pixels left of the interval list.
    static QRect Area(const QRect& group, int intervalListLeft);

    // The cells: n = width / (height - 5), cell width w = width / n; cell i starts at
    // left + i*w + 2 with width w and the full height, then is shrunk by 2 at the left
    // and right, 8 at the top and 5 at the bottom. No cells for a strip too small.
    static std::vector<QRect> Cells(const QRect& strip);

    // A picture fitted into a frame: scaled by 0.9 x min(frame/picture per side) and
    // centred. A picture side of 0 counts as scale 1.
    static QRectF FitThumbnail(const QRect& frame, const QSize& picture);
};

} // namespace vx7::camera

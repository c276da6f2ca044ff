#pragma once

#include "imaging/raster/RasterCodes.h"

#include <QPoint>

#include <vector>

namespace vx7::imaging {

// The brush radius shared by the eraser and the tone brushes (3, 6 or 9) and
// the stamp offsets of the current radius, worked out once per radius.
class RasterBrush {
  public:
    int Radius() const { return radius_; }
    // Three pixels down or up within 3..9; other codes change nothing.
    int Step(RadiusOp op);
    const std::vector<QPoint>& StampOffsets();

  private:
    int radius_ = 3;
    int stampRadius_ = -1;
    std::vector<QPoint> stampOffsets_;
};

} // namespace vx7::imaging

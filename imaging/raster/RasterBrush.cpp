#include "imaging/raster/RasterBrush.h"

#include "imaging/geometry/BrushStamp.h"

#include <algorithm>

namespace vx7::imaging {

int RasterBrush::Step(RadiusOp op) {
    if (op == RadiusOp::Down)
        radius_ = std::max(radius_ - 3, 3);
    else if (op == RadiusOp::Up)
        radius_ = std::min(radius_ + 3, 9);
    return radius_;
}

const std::vector<QPoint>& RasterBrush::StampOffsets() {
    if (stampRadius_ != radius_) {
        stampOffsets_ = BrushStampOffsets(radius_);
        stampRadius_ = radius_;
    }
    return stampOffsets_;
}

} // namespace vx7::imaging

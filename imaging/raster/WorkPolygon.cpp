#include "imaging/raster/WorkPolygon.h"

#include <algorithm>

namespace vx7::imaging {

int WorkPolygon::AddPoint(PolygonOp op, QPoint& point) {
    if (static_cast<int>(op) < 0) {
        count_ = 0;
        return 0;
    }
    if (op == PolygonOp::Click) {
        if (count_ > 2) {
            const QPoint first = points_[0];
            const bool inSquare = point.x() >= first.x() - kCloseReach &&
                                  point.x() < first.x() + kCloseReach &&
                                  point.y() >= first.y() - kCloseReach && point.y() < first.y() + kCloseReach;
            // The closing point needs room too; a polygon that is already full stays as it is.
            if (inSquare && count_ < kCapacity) {
                points_[static_cast<size_t>(count_++)] = first;
                return kClosed;
            }
        }
        if (count_ < kMaxClicked)
            points_[static_cast<size_t>(count_++)] = point;
        return count_;
    }
    if (op == PolygonOp::StepBack) {
        if (count_ < 2)
            return -1;
        --count_;
        point = points_[static_cast<size_t>(count_ - 1)];
        return count_;
    }
    return count_;
}

void WorkPolygon::Assign(const std::vector<QPoint>& points) {
    count_ = std::min(static_cast<int>(points.size()), kMaxGenerated);
    std::copy(points.begin(), points.begin() + count_, points_.begin());
}

} // namespace vx7::imaging

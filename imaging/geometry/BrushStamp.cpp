#include "imaging/geometry/BrushStamp.h"

#include <cmath>

namespace vx7::imaging {

std::vector<QPoint> BrushStampOffsets(int radius) {
    std::vector<QPoint> out = {{0, 0}, {1, 0}, {1, -1}, {1, 1}, {-1, 0}, {-1, -1}, {-1, 1}, {0, -1}, {0, 1}};
    for (int i = 3; i <= radius; ++i) {
        for (int j = 0; j < 12; ++j) {
            const double a = j * 0.5235987901687622;
            out.emplace_back(static_cast<int>(std::cos(a) * i), 1 + static_cast<int>(std::sin(a) * i));
        }
    }
    return out;
}

} // namespace vx7::imaging

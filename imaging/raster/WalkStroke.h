#pragma once

#include <cstdlib>

namespace vx7::imaging {

// Visits the points of a stroke segment from (x1, y1) to (x2, y2) and calls
// visit(x, y) at each. The major axis runs one step at a time, both ends
// included; the minor coordinate is y2 - trunc(remainder * slope) (or the same
// with x and y exchanged), where the remainder counts down from the major
// difference to 0 and the slope is a 32-bit float. The last point is (x2, y2).
// The first point is always (x1, y1): the float product can truncate one short
// there (dx = -100, dy = 59 gives 58), and a stroke must start where the button
// went down.
template <class Visit> void WalkStroke(int x1, int y1, int x2, int y2, Visit&& visit) {
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (dx == 0 && dy == 0) {
        visit(x1, y1);
        return;
    }
    if (dy == 0) {
        const int step = dx > 0 ? 1 : -1;
        for (int x = x1;; x += step) {
            visit(x, y1);
            if (x == x2)
                break;
        }
        return;
    }
    if (dx == 0) {
        const int step = dy > 0 ? 1 : -1;
        for (int y = y1;; y += step) {
            visit(x1, y);
            if (y == y2)
                break;
        }
        return;
    }
    if (std::abs(dx) >= std::abs(dy)) {
        const float slope = static_cast<float>(dy) / static_cast<float>(dx);
        const int step = dx > 0 ? 1 : -1;
        int remainder = dx;
        for (int x = x1;; x += step) {
            const int y = x == x1 ? y1 : y2 - static_cast<int>(static_cast<float>(remainder) * slope);
            visit(x, y);
            if (x == x2)
                break;
            remainder -= step;
        }
        return;
    }
    const float slope = static_cast<float>(dx) / static_cast<float>(dy);
    const int step = dy > 0 ? 1 : -1;
    int remainder = dy;
    for (int y = y1;; y += step) {
        const int x = y == y1 ? x1 : x2 - static_cast<int>(static_cast<float>(remainder) * slope);
        visit(x, y);
        if (y == y2)
            break;
        remainder -= step;
    }
}

} // namespace vx7::imaging

#include "imaging/geometry/EllipsePolygon.h"

#include <algorithm>
#include <cmath>

namespace vx7::imaging {

double EllipseAngleStep(int rx, int ry) {
    const int r = std::max(rx, ry);
    double k = 0.15;
    if (r < 5.08)
        k = 0.015;
    else if (r < 7.62)
        k = 0.06;
    else if (r < 25.4)
        k = 0.075;
    return (k * 25.4) / double(r);
}

int EllipseStepCount(double step) {
    auto count = [step](double full) {
        const double n = full / step + 0.5;
        // A zero or negative radius gives an infinite or negative step: no steps.
        if (!std::isfinite(n) || n < 0)
            return 0;
        return static_cast<int>(std::min(n, 1.0e6));
    };
    const int n = count(6.283188);
    return n == 0 ? count(6.28319) : n;
}

std::vector<QPoint> EllipsePolygon(int cx, int cy, int rx, int ry) {
    const double step = EllipseAngleStep(rx, ry);
    const int n = EllipseStepCount(step);
    std::vector<QPoint> points;
    points.reserve(static_cast<size_t>(std::min(n, kEllipseStopAfter) + 2));
    auto at = [&](double t) {
        const double x = std::clamp(cx + rx * std::cos(t), -2.0e9, 2.0e9);
        const double y = std::clamp(cy + ry * std::sin(t), -2.0e9, 2.0e9);
        return QPoint(static_cast<int>(x), static_cast<int>(y));
    };
    double t = 0.0;
    points.push_back(at(t));
    for (int i = 1; i <= n; ++i) {
        if (static_cast<int>(points.size()) > kEllipseStopAfter)
            break;
        t += step;
        points.push_back(at(t));
    }
    points.push_back(points.front());
    return points;
}

} // namespace vx7::imaging

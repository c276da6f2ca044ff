#include "imaging/geometry/ArrowOutline.h"

#include <algorithm>
#include <cmath>

namespace vx7::imaging {

namespace {

int Trunc(double v) {
    return static_cast<int>(std::clamp(v, -2.0e9, 2.0e9));
}

} // namespace

std::array<QPoint, 8> ArrowOutline(int x1, int y1, int x2, int y2) {
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    const double length = std::sqrt(dx * dx + dy * dy);

    double theta;
    if (dx == 0) {
        theta = dy >= 0 ? 90.0 : 270.0;
    } else {
        theta = std::atan(std::fabs(dy / dx)) * 57.29582790879778;
        if (dx < 0)
            theta = 180.0 - theta;
        if (dy < 0)
            theta = 360.0 - theta;
    }

    const int head = Trunc(0.3 * length);
    const int headHalf = Trunc(0.3 * length * 0.5);
    double shaft = 0.15 * length * 0.5;
    if (shaft <= 0)
        shaft = 1.0;
    const int shaftHalf = Trunc(shaft);
    const int neck = Trunc(length - head);
    const int tip = Trunc(length);

    const std::array<std::array<int, 2>, 8> local = {{{0, -shaftHalf},
                                                      {0, shaftHalf},
                                                      {neck, shaftHalf},
                                                      {neck, headHalf},
                                                      {tip, 0},
                                                      {neck, -headHalf},
                                                      {neck, -shaftHalf},
                                                      {0, -shaftHalf}}};
    const double phi = theta * 0.01745327777777778;
    const double c = std::cos(phi), s = std::sin(phi);
    std::array<QPoint, 8> out;
    for (size_t i = 0; i < local.size(); ++i) {
        const double u = local[i][0], v = local[i][1];
        out[i] = QPoint(Trunc(x1 + u * c - v * s), Trunc(y1 + u * s + v * c));
    }
    return out;
}

} // namespace vx7::imaging

#pragma once

#include <QPoint>

#include <array>

namespace vx7::imaging {

// The closed outline of a filled arrow from the tail (x1, y1) to the tip
// (x2, y2): 8 points, the last equal to the first. Shaft half-width
// 0.075 L, head length 0.3 L and head half-width 0.15 L, all truncated.
std::array<QPoint, 8> ArrowOutline(int x1, int y1, int x2, int y2);

} // namespace vx7::imaging

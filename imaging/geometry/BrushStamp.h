#pragma once

#include <QPoint>

#include <vector>

namespace vx7::imaging {

// Offsets stamped by the eraser and the local tone brushes around a point, in
// visiting order: the 3 x 3 block (the point, right, upper-right, lower-right,
// left, upper-left, lower-left, above, below), then for every ring radius i
// from 3 up to radius, twelve points at 30-degree steps,
// (trunc(cos a * i), 1 + trunc(sin a * i)): the rings sit one row below the
// block. Radius 3 gives 21 offsets, 6 gives 57, 9 gives 93 (some repeat).
std::vector<QPoint> BrushStampOffsets(int radius);

} // namespace vx7::imaging

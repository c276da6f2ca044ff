#pragma once

#include "ColourRef.h"

class QPainter;
class QRect;

namespace vx7::controls {

// A 3-D frame around rect (right and bottom exclusive, as a window rectangle): the
// top and left edges in topLeft, the bottom and right edges in bottomRight.
void DrawFrame3d(QPainter& painter, const QRect& rect, ColourRef topLeft, ColourRef bottomRight);

} // namespace vx7::controls

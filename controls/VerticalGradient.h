#pragma once

#include "ColourRef.h"

#include <vector>

class QPainter;
class QRect;

namespace vx7::controls {

// The row colours of a vertical gradient from start to end over height rows.
// Per channel the step is (start - end) / height in integer division, and row i has
// start - (i + 1) * step, taken on 8-bit values (so a channel wraps rather than
// saturates). A height of 0 or less gives no rows.
std::vector<ColourRef> VerticalGradientRows(ColourRef start, ColourRef end, int height);

// Draws the gradient over rect, one 1-pixel horizontal line per row.
void DrawVerticalGradient(QPainter& painter, const QRect& rect, ColourRef start, ColourRef end);

} // namespace vx7::controls

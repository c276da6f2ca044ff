#pragma once

#include <QPoint>

#include <vector>

namespace vx7::imaging {

// Most points an ellipse polygon holds before it stops early (the closing point comes on top).
inline constexpr int kEllipseStopAfter = 860;

// Angle step of the ellipse polygon for the larger radius r: an arc length
// chosen by size (0.015, 0.06, 0.075 or 0.15 inch) times 25.4, divided by r.
double EllipseAngleStep(int rx, int ry);
// Steps round the full circle for an angle step: trunc(6.283188 / step + 0.5).
int EllipseStepCount(double step);

// A closed polygon approximating the axis-aligned ellipse: the point at angle
// 0, then one point per angle step (stopping once more than 860 points are
// held), then the first point again. Each point is
// (trunc(cx + rx cos t), trunc(cy + ry sin t)).
std::vector<QPoint> EllipsePolygon(int cx, int cy, int rx, int ry);

} // namespace vx7::imaging

#pragma once

#include <QPoint>

#include <algorithm>

namespace vx7::imaging {

// Window messages carry 16-bit coordinates; anything beyond is cut to that range
// so that arithmetic on points cannot overflow.
inline int ClampCoordinate(int v) {
    return std::clamp(v, -32768, 32767);
}

inline QPoint ClampPoint(QPoint p) {
    return {ClampCoordinate(p.x()), ClampCoordinate(p.y())};
}

} // namespace vx7::imaging

#include "PreviewFit.h"

#include <algorithm>

namespace vx7::camera {

QRect FitPreviewFrame(const QRect& area, const QSize& imageSize) {
    const int w = imageSize.width(), h = imageSize.height();
    const int areaW = area.width(), areaH = area.height();
    int x = area.left() + (areaW - w) / 2;
    int y = area.top() + (areaH - h) / 2;
    x = std::max(x, area.left());
    y = std::max(y, area.top());
    return QRect(x, y, std::min(areaW, w), std::min(areaH, h));
}

} // namespace vx7::camera

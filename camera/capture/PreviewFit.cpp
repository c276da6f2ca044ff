#include "PreviewFit.h"

#include <algorithm>

namespace vx7::camera {

QRect FitPreviewFrame(const QRect& area, const QSize& imageSize) {
    int w = std::max(0, imageSize.width()), h = std::max(0, imageSize.height());
    const int areaW = area.width(), areaH = area.height();
    if (w > areaW || h > areaH) {
        // Scaled down to fit, aspect ratio kept: the whole picture the photo will hold.
        const QSize fitted = QSize(w, h).scaled(areaW, areaH, Qt::KeepAspectRatio);
        w = std::max(1, fitted.width());
        h = std::max(1, fitted.height());
    }
    return QRect(area.left() + (areaW - w) / 2, area.top() + (areaH - h) / 2, w, h);
}

} // namespace vx7::camera

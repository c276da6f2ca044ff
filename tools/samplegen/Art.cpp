#include "Art.h"

#include <algorithm>

namespace vx7::samplegen {

Sprite RenderSprite(const Art& art) {
    Layer layer;
    art.draw(layer);
    const QImage& img = layer.Image();
    int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(line[x]) > 0) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    }
    if (x1 < 0)
        return {};
    // Whole canvas pixels on every side, so the stored scale maps the picture exactly.
    x0 -= x0 % kScale;
    y0 -= y0 % kScale;
    x1 = std::min(img.width(), (x1 / kScale + 1) * kScale);
    y1 = std::min(img.height(), (y1 / kScale + 1) * kScale);
    const QRect crop(x0, y0, x1 - x0, y1 - y0);
    return {img.copy(crop).convertToFormat(QImage::Format_ARGB32), QPoint(x0 / kScale, y0 / kScale)};
}

} // namespace vx7::samplegen

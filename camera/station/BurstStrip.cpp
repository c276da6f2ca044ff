#include "BurstStrip.h"

#include <algorithm>

namespace vx7::camera {

QRect BurstStrip::Area(const QRect& group, int intervalListLeft) {
    QRect r = group;
    r.setTop(group.top() + 3);
    r.setRight(intervalListLeft - 3 - 1); // QRect's right is inclusive
    return r;
}

std::vector<QRect> BurstStrip::Cells(const QRect& strip) {
    std::vector<QRect> cells;
    const int width = strip.width(), height = strip.height();
    if (width <= 0 || height - 5 <= 0)
        return cells;
    const int n = width / (height - 5);
    if (n <= 0)
        return cells;
    const int w = width / n;
    for (int i = 0; i < n; ++i) {
        QRect cell(strip.left() + i * w + 2, strip.top(), w, height);
        cells.push_back(cell.adjusted(2, 8, -2, -5));
    }
    return cells;
}

QRectF BurstStrip::FitThumbnail(const QRect& frame, const QSize& picture) {
    const double pw = picture.width(), ph = picture.height();
    double scale = 1.0;
    if (pw > 0 && ph > 0)
        scale = 0.9 * std::min(frame.width() / pw, frame.height() / ph);
    const double w = pw * scale, h = ph * scale;
    return QRectF(frame.left() + (frame.width() - w) / 2.0, frame.top() + (frame.height() - h) / 2.0, w, h);
}

} // namespace vx7::camera

#include "Frame3d.h"

#include <QPainter>
#include <QRect>

namespace vx7::controls {

void DrawFrame3d(QPainter& painter, const QRect& rect, ColourRef topLeft, ColourRef bottomRight) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(l, t, rect.width() - 1, 1), ToQColor(topLeft));
    painter.fillRect(QRect(l, t, 1, rect.height() - 1), ToQColor(topLeft));
    painter.fillRect(QRect(r, t, 1, rect.height()), ToQColor(bottomRight));
    painter.fillRect(QRect(l, b, rect.width(), 1), ToQColor(bottomRight));
    painter.restore();
}

} // namespace vx7::controls

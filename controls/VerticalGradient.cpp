#include "VerticalGradient.h"

#include <QPainter>
#include <QRect>

#include <cstdint>

namespace vx7::controls {

std::vector<ColourRef> VerticalGradientRows(ColourRef start, ColourRef end, int height) {
    std::vector<ColourRef> rows;
    if (height <= 0)
        return rows;
    rows.reserve(static_cast<size_t>(height));
    const int stepR = (RedOf(start) - RedOf(end)) / height;
    const int stepG = (GreenOf(start) - GreenOf(end)) / height;
    const int stepB = (BlueOf(start) - BlueOf(end)) / height;
    // Repeated subtraction on 8-bit channels, as the colours were computed originally.
    std::uint8_t r = static_cast<std::uint8_t>(RedOf(start));
    std::uint8_t g = static_cast<std::uint8_t>(GreenOf(start));
    std::uint8_t b = static_cast<std::uint8_t>(BlueOf(start));
    for (int i = 0; i < height; ++i) {
        r = static_cast<std::uint8_t>(r - stepR);
        g = static_cast<std::uint8_t>(g - stepG);
        b = static_cast<std::uint8_t>(b - stepB);
        rows.push_back(MakeColourRef(r, g, b));
    }
    return rows;
}

void DrawVerticalGradient(QPainter& painter, const QRect& rect, ColourRef start, ColourRef end) {
    const std::vector<ColourRef> rows = VerticalGradientRows(start, end, rect.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        painter.setPen(ToQColor(rows[static_cast<size_t>(i)]));
        painter.drawLine(rect.left(), rect.top() + i, rect.right(), rect.top() + i);
    }
    painter.restore();
}

} // namespace vx7::controls

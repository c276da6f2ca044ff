#include "MakeupBox.h"

namespace vx7::materials {

int MakeupBox::Rows(const QRect& area) {
    const int rows = (area.height() - 6) / kPitch;
    return rows > 0 ? rows : 0;
}

std::vector<QRect> MakeupBox::SwatchRects(const QRect& area, int count) {
    std::vector<QRect> rects;
    const int rows = Rows(area);
    const int x0 = area.left() + (area.width() - kGridWidth) / 2 + kFirstColumnInset;
    const int y0 = area.top() + kFirstRowInset;
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < rows && static_cast<int>(rects.size()) < count; ++r)
            rects.emplace_back(x0 + c * kPitch, y0 + r * kPitch, kSwatchSize, kSwatchSize);
    return rects;
}

int MakeupBox::HitTest(const std::vector<QRect>& swatches, const QPoint& point) {
    for (size_t i = 0; i < swatches.size(); ++i)
        if (swatches[i].contains(point)) // QRect's right() and bottom() are the last pixels inside
            return static_cast<int>(i);
    return -1;
}

QPoint MakeupBox::SamplePoint(const QRect& swatch) {
    const int right = swatch.left() + swatch.width();
    const int bottom = swatch.top() + swatch.height();
    return QPoint((swatch.left() + right) / 2 - 1, (swatch.top() + bottom) / 2);
}

void MakeupBox::Layout(const QRect& area, const QStringList& palettes) {
    palettes_ = palettes.mid(0, kCapacity);
    swatches_ = SwatchRects(area, static_cast<int>(palettes_.size()));
    if (chosen_ >= static_cast<int>(swatches_.size()))
        chosen_ = -1;
}

bool MakeupBox::Click(const QPoint& point) {
    const int hit = HitTest(swatches_, point);
    if (hit < 0)
        return false;
    chosen_ = hit;
    return true;
}

std::optional<QPoint> MakeupBox::AcceptSamplePoint() const {
    if (chosen_ < 0 || chosen_ >= static_cast<int>(swatches_.size()))
        return std::nullopt;
    return SamplePoint(swatches_[static_cast<size_t>(chosen_)]);
}

} // namespace vx7::materials

// Sticker edges of the RasterDocument: ellipse selections with feathered or bright rings.
#include "imaging/raster/RasterDocument.h"

#include "imaging/geometry/EllipsePolygon.h"
#include "imaging/geometry/RingCrossing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vx7::imaging {

EdgeStyle RasterDocument::SetEdgeStyle(EdgeStyle style) {
    // A value outside the three styles leaves the style as it is.
    if (style == EdgeStyle::Plain || style == EdgeStyle::Feather || style == EdgeStyle::Bright)
        edgeStyle_ = style;
    return edgeStyle_;
}

EdgeStyle RasterDocument::CycleEdgeStyle() {
    edgeStyle_ = edgeStyle_ == EdgeStyle::Plain     ? EdgeStyle::Feather
                 : edgeStyle_ == EdgeStyle::Feather ? EdgeStyle::Bright
                                                    : EdgeStyle::Plain;
    return edgeStyle_;
}

void RasterDocument::BuildEllipse(int cx, int cy, int rx, int ry) {
    polygon_.Assign(EllipsePolygon(cx, cy, rx, ry));
}

void RasterDocument::SelectEllipse(int x1, int y1, int x2, int y2, SelectOp op) {
    x1 = std::clamp(x1, -32768, 32767);
    y1 = std::clamp(y1, -32768, 32767);
    x2 = std::clamp(x2, -32768, 32767);
    y2 = std::clamp(y2, -32768, 32767);

    // Deselecting fills the ellipse back to kept pixels and never draws a ring.
    const bool deselect = op == SelectOp::Deselect;
    ellipseFill_ = deselect ? EllipseFill::Keep : EllipseFill::Mark;
    const int cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    const int a = std::abs(x1 - x2) / 2, b = std::abs(y1 - y2) / 2;
    BuildEllipse(cx, cy, a, b);
    if (edgeStyle_ != EdgeStyle::Plain)
        innerEllipse_ = polygon_;
    FillWorkPolygon(FillAction::Keep);

    if (!deselect && (edgeStyle_ == EdgeStyle::Feather || edgeStyle_ == EdgeStyle::Bright)) {
        featherWidth_ = std::min(a, b) / 6;
        ringHalfWidth_ = a;
        ringHalfHeight_ = b;
        if (featherWidth_ >= 2) {
            ringX_ = cx;
            ringY_ = cy;
            ellipseFill_ = EllipseFill::Ring;
            BuildEllipse(cx, cy, a + featherWidth_, b + featherWidth_);
            FillWorkPolygon(FillAction::Keep);
        }
    }
    ellipseFill_ = EllipseFill::Off;
}

void RasterDocument::BlendRingPixel(int canvasX, int canvasY, int column, int row,
                                    const RingCrossing& crossing) {
    int weight = 5;
    if (const auto hit = crossing.Find(canvasX, canvasY)) {
        auto distance = [this](double x, double y) {
            const double dx = x - ringX_, dy = y - ringY_;
            return static_cast<int>(std::sqrt(dx * dx + dy * dy));
        };
        const int d = std::clamp(distance(canvasX, canvasY) - distance(hit->x(), hit->y()), 0, featherWidth_);
        weight = d * 9 / featherWidth_ + 1;
    }
    const size_t i = static_cast<size_t>(Index(column, row));
    const Colour c = px_->photo[i];
    if (edgeStyle_ == EdgeStyle::Feather) {
        const Colour g = BackgroundAt(column, row);
        px_->photo[i] =
            Colour::FromRgb(std::min(c.Red() * (10 - weight) / 10 + weight * g.Red() / 10, 255),
                            std::min(c.Green() * (10 - weight) / 10 + weight * g.Green() / 10, 255),
                            std::min(c.Blue() * (10 - weight) / 10 + weight * g.Blue() / 10, 255));
    } else {
        const int fade = weight * 60 / 10;
        px_->photo[i] =
            Colour::FromRgb(std::max(edgeColour_.Red() - fade, 0), std::max(edgeColour_.Green() - fade, 0),
                            std::max(edgeColour_.Blue() - fade, 0));
    }
}

} // namespace vx7::imaging

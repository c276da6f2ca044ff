#include "imaging/raster/StickerEdges.h"

#include "imaging/geometry/EllipsePolygon.h"
#include "imaging/geometry/RingCrossing.h"
#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/RasterCoordinates.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vx7::imaging {

EdgeStyle StickerEdges::SetStyle(EdgeStyle style) {
    if (style == EdgeStyle::Plain || style == EdgeStyle::Feather || style == EdgeStyle::Bright)
        style_ = style;
    return style_;
}

EdgeStyle StickerEdges::CycleStyle() {
    style_ = style_ == EdgeStyle::Plain     ? EdgeStyle::Feather
             : style_ == EdgeStyle::Feather ? EdgeStyle::Bright
                                            : EdgeStyle::Plain;
    return style_;
}

void StickerEdges::SelectEllipse(PhotoLayers& layers, WorkPolygon& polygon, int x1, int y1, int x2, int y2,
                                 SelectOp op) {
    x1 = ClampCoordinate(x1);
    y1 = ClampCoordinate(y1);
    x2 = ClampCoordinate(x2);
    y2 = ClampCoordinate(y2);

    // Deselecting fills the ellipse back to kept pixels and never draws a ring.
    const bool deselect = op == SelectOp::Deselect;
    const int cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    const int a = std::abs(x1 - x2) / 2, b = std::abs(y1 - y2) / 2;
    polygon.Assign(EllipsePolygon(cx, cy, a, b));
    if (style_ != EdgeStyle::Plain)
        innerEllipse_ = polygon;
    FillEllipse(layers, polygon, deselect ? PixelMask::Kept : PixelMask::Marked);
    if (style_ == EdgeStyle::Plain) {
        polygon.Clear();
        return;
    }
    if (deselect)
        return;
    featherWidth_ = std::min(a, b) / 6;
    if (featherWidth_ >= 2) {
        ringX_ = cx;
        ringY_ = cy;
        polygon.Assign(EllipsePolygon(cx, cy, a + featherWidth_, b + featherWidth_));
        FillRing(layers, polygon);
    }
}

void StickerEdges::FillEllipse(PhotoLayers& layers, const WorkPolygon& polygon, PixelMask code) const {
    PixelMask* mask = layers.MaskPixels();
    for (const PhotoLayers::Run& run : layers.PolygonRuns(polygon))
        std::fill(mask + layers.Index(run.first, run.row), mask + layers.Index(run.end, run.row), code);
}

void StickerEdges::FillRing(PhotoLayers& layers, const WorkPolygon& polygon) const {
    // The ring is the outer ellipse less the pixels already marked inside it.
    const RingCrossing crossing(innerEllipse_.ToVector(), QPoint(ringX_, ringY_));
    PixelMask* mask = layers.MaskPixels();
    const QPoint origin = layers.PhotoPosition();
    for (const PhotoLayers::Run& run : layers.PolygonRuns(polygon)) {
        for (int col = run.first; col < run.end; ++col) {
            const size_t i = static_cast<size_t>(layers.Index(col, run.row));
            if (mask[i] == PixelMask::Marked)
                continue;
            BlendRingPixel(layers, col + origin.x(), run.row + origin.y(), col, run.row, crossing);
            mask[i] = PixelMask::Marked;
        }
    }
}

void StickerEdges::BlendRingPixel(PhotoLayers& layers, int canvasX, int canvasY, int column, int row,
                                  const RingCrossing& crossing) const {
    int weight = 5;
    if (const auto hit = crossing.Find(canvasX, canvasY)) {
        auto distance = [this](double x, double y) {
            const double dx = x - ringX_, dy = y - ringY_;
            return static_cast<int>(std::sqrt(dx * dx + dy * dy));
        };
        const int d = std::clamp(distance(canvasX, canvasY) - distance(hit->x(), hit->y()), 0, featherWidth_);
        weight = d * 9 / featherWidth_ + 1;
    }
    Colour& pixel = layers.PhotoPixels()[static_cast<size_t>(layers.Index(column, row))];
    const Colour c = pixel;
    if (style_ == EdgeStyle::Feather) {
        const Colour g = layers.BackgroundAt(column, row);
        pixel = Colour::FromRgb(std::min(c.Red() * (10 - weight) / 10 + weight * g.Red() / 10, 255),
                                std::min(c.Green() * (10 - weight) / 10 + weight * g.Green() / 10, 255),
                                std::min(c.Blue() * (10 - weight) / 10 + weight * g.Blue() / 10, 255));
    } else {
        const int fade = weight * 60 / 10;
        pixel =
            Colour::FromRgb(std::max(edgeColour_.Red() - fade, 0), std::max(edgeColour_.Green() - fade, 0),
                            std::max(edgeColour_.Blue() - fade, 0));
    }
}

} // namespace vx7::imaging

// Cut-out tools of the RasterDocument: the work polygon, the magic wand and the eraser.
#include "imaging/raster/RasterDocument.h"

#include "imaging/geometry/BrushStamp.h"
#include "imaging/geometry/PolygonScan.h"
#include "imaging/geometry/RingCrossing.h"
#include "imaging/raster/ToneArithmetic.h"
#include "imaging/raster/WalkStroke.h"

#include <algorithm>
#include <optional>

namespace vx7::imaging {

namespace {

QPoint ClampPoint(QPoint p) {
    return {std::clamp(p.x(), -32768, 32767), std::clamp(p.y(), -32768, 32767)};
}

} // namespace

QRect RasterDocument::DrawWorkPolygon(CanvasSurface& canvas) const {
    if (polygon_.Count() < 1)
        return {};
    const QPoint first = polygon_.At(0);
    const int reach = WorkPolygon::kCloseReach;
    canvas.Draw3dFrame(first.x() - reach, first.y() - reach, first.x() + reach, first.y() + reach,
                       kCloseMarkTopLeft, kCloseMarkBottomRight);
    if (polygon_.Count() >= 2)
        canvas.XorPolyline(polygon_.Points(), polygon_.Count(), kPolygonLine);
    return QRect(first.x() - reach, first.y() - reach, 2 * reach, 2 * reach);
}

void RasterDocument::FillWorkPolygon(char action) {
    static const ToneArithmetic::Table spotlight = ToneArithmetic::MakeTable(ToneArithmetic::Spotlight);
    std::vector<PolygonSpan> spans;
    ScanPolygon(polygon_.Points(), polygon_.Count(), WorkPolygon::kMaxEdges, photoY_, photoY_ + photoHeight_,
                spans);

    std::optional<RingCrossing> ring;
    const bool ellipse = ellipseFill_ == 9;
    if (ellipse && fillValue_ == kFillRing)
        ring.emplace(innerEllipse_.ToVector(), QPoint(ringX_, ringY_));

    char* mask = px_->mask.data();
    Colour* photo = px_->photo.data();
    for (const PolygonSpan& span : spans) {
        const int row = span.row - photoY_;
        const int from =
            static_cast<int>(std::max<long long>(0LL, static_cast<long long>(span.first) - photoX_));
        const int to =
            static_cast<int>(std::min<long long>(photoWidth_, static_cast<long long>(span.end) - photoX_));
        for (int col = from; col < to; ++col) {
            const size_t i = static_cast<size_t>(Index(col, row));
            if (ellipse) {
                if (fillValue_ == kFillKeep) {
                    mask[i] = PixelMask::Kept;
                } else if (fillValue_ == kFillRing) {
                    if (mask[i] != PixelMask::Marked) {
                        BlendRingPixel(col + photoX_, span.row, col, row, *ring);
                        mask[i] = PixelMask::Marked;
                    }
                } else {
                    mask[i] = PixelMask::Marked;
                }
                continue;
            }
            switch (action) {
            case kActionRemove:
                mask[i] = PixelMask::Removed;
                break;
            case kActionKeep:
                mask[i] = PixelMask::Marked;
                break;
            case kActionSpotlight:
                if (mask[i] == PixelMask::Kept)
                    photo[i] = ToneArithmetic::Apply(spotlight, photo[i]);
                break;
            default:
                break;
            }
        }
    }
    if (edgeStyle_ == kEdgePlain)
        polygon_.Clear();
}

void RasterDocument::WandAtMagnifier(QPoint panelPoint) {
    const int zoom = magnifierZoom_ > 0 ? magnifierZoom_ : kMagnifierZoom;
    const QPoint pixel = MagnifierCellToPixel(
        {std::clamp(panelPoint.x(), -32768, 32767) / zoom, std::clamp(panelPoint.y(), -32768, 32767) / zoom});
    WandAt(QPoint(pixel.x() + photoX_, pixel.y() + photoY_));
}

void RasterDocument::WandAt(QPoint canvasPoint) {
    const QPoint p = ClampPoint(canvasPoint);
    const int seedX = p.x() - photoX_, seedY = p.y() - photoY_;
    if (!InLayer(seedX, seedY))
        return;
    char* mask = px_->mask.data();
    const Colour* photo = px_->photo.data();
    const int width = photoWidth_, height = photoHeight_;
    const size_t seed = static_cast<size_t>(Index(seedX, seedY));
    if (mask[seed] != PixelMask::Kept)
        return;

    // The previous click's selection is final now.
    for (int i = 0, n = LayerSize(); i < n; ++i)
        if (mask[i] == PixelMask::WandPending)
            mask[i] = PixelMask::Removed;

    const Colour s = photo[seed];
    wandBounds_ = {s.Red() - 8, s.Red() + 8, s.Green() - 8, s.Green() + 8, s.Blue() - 8, s.Blue() + 8};
    const unsigned lowRed = unsigned(wandBounds_[0]), lowGreen = unsigned(wandBounds_[2]),
                   lowBlue = unsigned(wandBounds_[4]);
    // A pixel joins when it is kept and each channel lies within seed - 8 ... seed + 8.
    auto joins = [&](size_t i) {
        if (mask[i] != PixelMask::Kept)
            return false;
        const std::uint32_t v = photo[i].Value();
        return unsigned((v & 0xFFu) - lowRed) <= 16u && unsigned(((v >> 8) & 0xFFu) - lowGreen) <= 16u &&
               unsigned(((v >> 16) & 0xFFu) - lowBlue) <= 16u;
    };

    // Grows the region by runs: every pixel 8-connected to the seed through
    // joining pixels ends up pending, exactly the set the pass-by-pass growth
    // reaches, since whether a pixel joins does not depend on the order.
    std::vector<QPoint> stack;
    stack.reserve(1024);
    mask[seed] = PixelMask::WandPending;
    stack.emplace_back(seedX, seedY);
    while (!stack.empty()) {
        const QPoint at = stack.back();
        stack.pop_back();
        const int y = at.y();
        const size_t rowStart = static_cast<size_t>(y) * static_cast<size_t>(width);
        int left = at.x(), right = at.x();
        while (left > 0 && joins(rowStart + size_t(left - 1)))
            mask[rowStart + size_t(--left)] = PixelMask::WandPending;
        while (right < width - 1 && joins(rowStart + size_t(right + 1)))
            mask[rowStart + size_t(++right)] = PixelMask::WandPending;
        const int scanFrom = std::max(left - 1, 0), scanTo = std::min(right + 1, width - 1);
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            const size_t nStart = static_cast<size_t>(ny) * static_cast<size_t>(width);
            int x = scanFrom;
            while (x <= scanTo) {
                if (!joins(nStart + size_t(x))) {
                    ++x;
                    continue;
                }
                mask[nStart + size_t(x)] = PixelMask::WandPending;
                stack.emplace_back(x, ny);
                // The rest of this run is reached from the pushed pixel.
                ++x;
                while (x <= scanTo && joins(nStart + size_t(x)))
                    ++x;
            }
        }
    }
}

const std::vector<QPoint>& RasterDocument::StampOffsets() {
    if (stampRadius_ != brushRadius_) {
        stampOffsets_ = BrushStampOffsets(brushRadius_);
        stampRadius_ = brushRadius_;
    }
    return stampOffsets_;
}

void RasterDocument::EraserPixel(CanvasSurface* canvas, int column, int row, int op) {
    if (!InLayer(column, row))
        return;
    const size_t i = static_cast<size_t>(Index(column, row));
    if (op == kAltHeld) {
        px_->mask[i] = PixelMask::Kept;
        if (canvas)
            canvas->SetPixel(photoX_ + column, photoY_ + row, px_->photo[i]);
    } else {
        px_->mask[i] = PixelMask::Removed;
        if (canvas)
            canvas->SetPixel(photoX_ + column, photoY_ + row, BackgroundAt(column, row));
    }
}

void RasterDocument::StampEraser(CanvasSurface& canvas, int column, int row, int op) {
    for (const QPoint& o : StampOffsets())
        EraserPixel(&canvas, column + o.x(), row + o.y(), op);
}

void RasterDocument::EraseStroke(CanvasSurface& canvas, QPoint from, QPoint to, int op) {
    const QPoint a = ClampPoint(from), b = ClampPoint(to);
    WalkStroke(a.x(), a.y(), b.x(), b.y(),
               [&](int x, int y) { StampEraser(canvas, x - photoX_, y - photoY_, op); });
}

void RasterDocument::EraseMagnifierStroke(CanvasSurface& panel, QPoint fromCell, QPoint toCell, int op) {
    const QPoint a = ClampPoint(fromCell), b = ClampPoint(toCell);
    WalkStroke(a.x(), a.y(), b.x(), b.y(), [&](int cx, int cy) {
        const QPoint pixel = MagnifierCellToPixel({cx, cy});
        if (!InLayer(pixel.x(), pixel.y()))
            return;
        const size_t i = static_cast<size_t>(Index(pixel.x(), pixel.y()));
        const Colour shown = op == kAltHeld ? px_->photo[i] : BackgroundAt(pixel.x(), pixel.y());
        PaintMagnifierCell(panel, cx, cy, shown);
        EraserPixel(nullptr, pixel.x(), pixel.y(), op);
    });
}

} // namespace vx7::imaging

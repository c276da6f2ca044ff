// Cut-out tools of the RasterDocument: the work polygon, the magic wand and the eraser.
#include "imaging/raster/RasterDocument.h"

#include "imaging/geometry/BrushStamp.h"
#include "imaging/geometry/PolygonScan.h"
#include "imaging/geometry/RingCrossing.h"
#include "imaging/raster/ToneArithmetic.h"
#include "imaging/raster/WalkStroke.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

namespace vx7::imaging {

namespace {

QPoint ClampPoint(QPoint p) {
    return {std::clamp(p.x(), -32768, 32767), std::clamp(p.y(), -32768, 32767)};
}

// Commits pending wand pixels ('c' becomes 'x') and marks in open the pixels
// that may join: kept, and each channel c with (c - low) as unsigned at most
// span. Written without branches over restrict pointers so that it runs on vectors.
void PrepareWand(PixelMask* __restrict mask, const Colour* __restrict photo, std::uint8_t* __restrict open,
                 int n, const std::uint32_t (&low)[3], const std::uint32_t (&span)[3]) {
    const std::uint32_t l0 = low[0], l1 = low[1], l2 = low[2];
    const std::uint32_t s0 = span[0], s1 = span[1], s2 = span[2];
    for (int i = 0; i < n; ++i) {
        const PixelMask m = mask[i];
        mask[i] = m == PixelMask::WandPending ? PixelMask::Removed : m;
        const std::uint32_t v = photo[i].Value();
        const std::uint32_t inside = (((v & 0xFFu) - l0) <= s0) & ((((v >> 8) & 0xFFu) - l1) <= s1) &
                                     ((((v >> 16) & 0xFFu) - l2) <= s2) & std::uint32_t(m == PixelMask::Kept);
        open[i] = static_cast<std::uint8_t>(inside);
    }
}

// First index in [from, to) whose byte is non-zero, or to; eight bytes at a time.
int FindOpen(const std::uint8_t* row, int from, int to) {
    int x = from;
    while (x < to && (x & 7) != 0 && !row[x])
        ++x;
    if (x < to && row[x])
        return x;
    while (x + 8 <= to) {
        std::uint64_t word;
        std::memcpy(&word, row + x, 8);
        if (word != 0)
            break;
        x += 8;
    }
    while (x < to && !row[x])
        ++x;
    return x;
}

// First index in [from, to) whose byte is zero, or to.
int FindClosed(const std::uint8_t* row, int from, int to) {
    int x = from;
    while (x < to && (x & 7) != 0 && row[x])
        ++x;
    if (x < to && !row[x])
        return x;
    while (x + 8 <= to) {
        std::uint64_t word;
        std::memcpy(&word, row + x, 8);
        // Open bytes are exactly 1: all eight open means the word is 0x0101...01.
        if (word != 0x0101010101010101ull)
            break;
        x += 8;
    }
    while (x < to && row[x])
        ++x;
    return x;
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

void RasterDocument::FillWorkPolygon(FillAction action) {
    static const ToneArithmetic::Table spotlight = ToneArithmetic::MakeTable(ToneArithmetic::Spotlight);
    std::vector<PolygonSpan> spans;
    ScanPolygon(polygon_.Points(), polygon_.Count(), WorkPolygon::kMaxEdges, photoY_, photoY_ + photoHeight_,
                spans);

    std::optional<RingCrossing> ring;
    const bool ellipse = ellipseFill_ != EllipseFill::Off;
    if (ellipseFill_ == EllipseFill::Ring)
        ring.emplace(innerEllipse_.ToVector(), QPoint(ringX_, ringY_));

    PixelMask* mask = px_->mask.data();
    Colour* photo = px_->photo.data();
    // Codes written over whole runs: remove, keep, and the ellipse's plain fills.
    std::optional<PixelMask> runCode;
    if (ellipse) {
        if (ellipseFill_ == EllipseFill::Keep)
            runCode = PixelMask::Kept;
        else if (ellipseFill_ == EllipseFill::Mark)
            runCode = PixelMask::Marked;
    } else if (action == FillAction::Remove) {
        runCode = PixelMask::Removed;
    } else if (action == FillAction::Keep) {
        runCode = PixelMask::Marked;
    }
    for (const PolygonSpan& span : spans) {
        const int row = span.row - photoY_;
        const int from =
            static_cast<int>(std::max<long long>(0LL, static_cast<long long>(span.first) - photoX_));
        const int to =
            static_cast<int>(std::min<long long>(photoWidth_, static_cast<long long>(span.end) - photoX_));
        if (from >= to)
            continue;
        if (runCode) {
            std::fill(mask + Index(from, row), mask + Index(to, row), *runCode);
            continue;
        }
        for (int col = from; col < to; ++col) {
            const size_t i = static_cast<size_t>(Index(col, row));
            if (ellipse) {
                // Only the ring fill is left for pixel-by-pixel work.
                if (mask[i] != PixelMask::Marked) {
                    BlendRingPixel(col + photoX_, span.row, col, row, *ring);
                    mask[i] = PixelMask::Marked;
                }
                continue;
            }
            if (action == FillAction::Spotlight && mask[i] == PixelMask::Kept)
                photo[i] = ToneArithmetic::Apply(spotlight, photo[i]);
        }
    }
    if (edgeStyle_ == EdgeStyle::Plain)
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
    PixelMask* mask = px_->mask.data();
    const Colour* photo = px_->photo.data();
    std::uint8_t* open = px_->scratch.data();
    const int width = photoWidth_, height = photoHeight_;
    const size_t seed = static_cast<size_t>(Index(seedX, seedY));
    if (mask[seed] != PixelMask::Kept)
        return;

    const Colour s = photo[seed];
    wandBounds_ = {s.Red() - 8, s.Red() + 8, s.Green() - 8, s.Green() + 8, s.Blue() - 8, s.Blue() + 8};
    // Channels lie in 0..255, so the bounds can be cut to that range: a channel
    // joins when (c - low) as unsigned is at most the cut width.
    std::uint32_t low[3], span[3];
    for (int k = 0; k < 3; ++k) {
        const int lo = std::max(wandBounds_[size_t(2 * k)], 0),
                  hi = std::min(wandBounds_[size_t(2 * k + 1)], 255);
        low[k] = std::uint32_t(lo);
        span[k] = std::uint32_t(hi - lo);
    }

    // One pass commits the previous click's selection and notes which pixels could join.
    PrepareWand(mask, photo, open, LayerSize(), low, span);

    // Grows the region run by run: every pixel 8-connected to the seed through
    // joining pixels ends up pending, exactly the set that the pass-by-pass
    // growth reaches, since whether a pixel joins does not depend on the order.
    struct Run {
        int first, last, row;
    };
    std::vector<Run> stack;
    stack.reserve(1024);
    // Claims the pixels first..last of a row: pending, and no longer open.
    auto claim = [&](size_t rowStart, int first, int last) {
        std::memset(open + rowStart + size_t(first), 0, size_t(last - first + 1));
        std::fill_n(mask + rowStart + size_t(first), size_t(last - first + 1), PixelMask::WandPending);
    };
    claim(seed - size_t(seedX), seedX, seedX);
    stack.push_back({seedX, seedX, seedY});
    while (!stack.empty()) {
        const Run run = stack.back();
        stack.pop_back();
        const size_t rowStart = size_t(run.row) * size_t(width);
        const std::uint8_t* row = open + rowStart;
        int left = run.first;
        while (left > 0 && row[left - 1])
            --left;
        const int right = FindClosed(row, run.last + 1, width) - 1;
        if (left < run.first)
            claim(rowStart, left, run.first - 1);
        if (right > run.last)
            claim(rowStart, run.last + 1, right);
        const int scanFrom = std::max(left - 1, 0), scanTo = std::min(right + 1, width - 1);
        for (int ny : {run.row - 1, run.row + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            const size_t nStart = size_t(ny) * size_t(width);
            const std::uint8_t* next = open + nStart;
            int x = FindOpen(next, scanFrom, scanTo + 1);
            while (x <= scanTo) {
                const int end = FindClosed(next, x, scanTo + 1);
                claim(nStart, x, end - 1);
                stack.push_back({x, end - 1, ny});
                x = FindOpen(next, end, scanTo + 1);
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

void RasterDocument::EraserPixel(CanvasSurface* canvas, int column, int row, EraseOp op) {
    if (!InLayer(column, row))
        return;
    const size_t i = static_cast<size_t>(Index(column, row));
    if (op == EraseOp::Restore) {
        px_->mask[i] = PixelMask::Kept;
        if (canvas)
            canvas->SetPixel(photoX_ + column, photoY_ + row, px_->photo[i]);
    } else {
        px_->mask[i] = PixelMask::Removed;
        if (canvas)
            canvas->SetPixel(photoX_ + column, photoY_ + row, BackgroundAt(column, row));
    }
}

void RasterDocument::StampEraser(CanvasSurface& canvas, int column, int row, EraseOp op) {
    for (const QPoint& o : StampOffsets())
        EraserPixel(&canvas, column + o.x(), row + o.y(), op);
}

void RasterDocument::EraseStroke(CanvasSurface& canvas, QPoint from, QPoint to, EraseOp op) {
    const QPoint a = ClampPoint(from), b = ClampPoint(to);
    WalkStroke(a.x(), a.y(), b.x(), b.y(),
               [&](int x, int y) { StampEraser(canvas, x - photoX_, y - photoY_, op); });
}

void RasterDocument::EraseMagnifierStroke(CanvasSurface& panel, QPoint fromCell, QPoint toCell, EraseOp op) {
    const QPoint a = ClampPoint(fromCell), b = ClampPoint(toCell);
    WalkStroke(a.x(), a.y(), b.x(), b.y(), [&](int cx, int cy) {
        const QPoint pixel = MagnifierCellToPixel({cx, cy});
        if (!InLayer(pixel.x(), pixel.y()))
            return;
        const size_t i = static_cast<size_t>(Index(pixel.x(), pixel.y()));
        const Colour shown = op == EraseOp::Restore ? px_->photo[i] : BackgroundAt(pixel.x(), pixel.y());
        PaintMagnifierCell(panel, cx, cy, shown);
        EraserPixel(nullptr, pixel.x(), pixel.y(), op);
    });
}

} // namespace vx7::imaging

// Tone tools of the RasterDocument: whole-layer tones, local brushes, make-up and the magnifier pencil.
#include "imaging/raster/RasterDocument.h"

#include "imaging/geometry/BrushShape.h"
#include "imaging/raster/ToneArithmetic.h"
#include "imaging/raster/WalkStroke.h"

#include <algorithm>
#include <cmath>

namespace vx7::imaging {

namespace {

QPoint ClampPoint(QPoint p) {
    return {std::clamp(p.x(), -32768, 32767), std::clamp(p.y(), -32768, 32767)};
}

const ToneArithmetic::Table& Table(ToneOp op) {
    static const ToneArithmetic::Table brighten = ToneArithmetic::MakeTable(ToneArithmetic::BrightenWhole);
    static const ToneArithmetic::Table darken = ToneArithmetic::MakeTable(ToneArithmetic::DarkenWhole);
    return op == ToneOp::Brighten ? brighten : darken;
}

} // namespace

bool RasterDocument::ToneWholePhoto(ToneOp op) {
    if (!PhotoLoaded() || (op != ToneOp::Brighten && op != ToneOp::Darken))
        return false;
    const ToneArithmetic::Table& table = Table(op);
    Colour* photo = px_->photo.data();
    for (int i = 0, n = LayerSize(); i < n; ++i)
        photo[i] = ToneArithmetic::Apply(table, photo[i]);
    return true;
}

bool RasterDocument::ToneBackground(ToneOp op) {
    if (backgroundMode_ != BackgroundMode::Picture || !BackgroundLoaded())
        return false;
    Colour* background = px_->background.data();
    const int n = backgroundWidth_ * backgroundHeight_;
    if (op == ToneOp::Brighten || op == ToneOp::Darken) {
        const ToneArithmetic::Table& table = Table(op);
        for (int i = 0; i < n; ++i)
            background[i] = ToneArithmetic::Apply(table, background[i]);
        return true;
    }
    if (op == ToneOp::Sharpen) {
        posteriseStep_ = std::max(posteriseStep_, 2);
        const int step = posteriseStep_;
        const ToneArithmetic::Table table =
            ToneArithmetic::MakeTable([step](int c) { return ToneArithmetic::Posterise(c, step); });
        for (int i = 0; i < n; ++i)
            background[i] = ToneArithmetic::Apply(table, background[i]);
        posteriseStep_ *= 2;
        if (posteriseStep_ > 62 && posteriseStep_ != 64)
            posteriseStep_ = 64;
        return true;
    }
    return false;
}

void RasterDocument::StampTone(CanvasSurface& canvas, int column, int row) {
    static const ToneArithmetic::Table brighten = ToneArithmetic::MakeTable(ToneArithmetic::BrightenLocal);
    static const ToneArithmetic::Table darken = ToneArithmetic::MakeTable(ToneArithmetic::DarkenLocal);
    for (const QPoint& o : StampOffsets()) {
        const int c = column + o.x(), r = row + o.y();
        if (!InLayer(c, r))
            continue;
        const size_t i = static_cast<size_t>(Index(c, r));
        if (!px_->stroke[i]) {
            if (toolMode_ == ToolMode::LocalBrighten) {
                px_->photo[i] = ToneArithmetic::Apply(brighten, px_->photo[i]);
                px_->stroke[i] = true;
            } else if (toolMode_ == ToolMode::LocalDarken) {
                px_->photo[i] = ToneArithmetic::Apply(darken, px_->photo[i]);
                px_->stroke[i] = true;
            }
        }
        // The canvas shows what a repaint would: removed pixels stay background.
        WriteShown(canvas, c, r);
    }
}

void RasterDocument::MakeupDab(CanvasSurface& canvas, int column, int row, ToneStrokeOp op) {
    // Nothing to paint with before a sample exists.
    if (!sampleTaken_)
        return;
    if (hasLastBrush_) {
        const double dx = double(column) - lastBrushX_, dy = double(row) - lastBrushY_;
        if (static_cast<int>(std::sqrt(dx * dx + dy * dy)) < brushRadius_)
            return;
    }
    const int radius = std::clamp(brushRadius_, 1, 9);
    const int f = op == ToneStrokeOp::SingleDab ? radius : std::max(radius / 3 - 1, 0);
    for (int dy = -f; dy <= f; ++dy) {
        for (int dx = -f; dx <= f; ++dx) {
            const int c = column + dx, r = row + dy;
            if (!InLayer(c, r) || !BrushShape::Covers(BrushShape::kCentre + dy, BrushShape::kCentre + dx))
                continue;
            if (static_cast<int>(std::sqrt(double(dx * dx + dy * dy))) > f)
                continue;
            // One column to the right of the same offset in the sample.
            px_->photo[static_cast<size_t>(Index(c, r))] = SampleAt(11 + dy, 12 + dx);
            WriteShown(canvas, c, r);
        }
    }
    lastBrushX_ = column;
    lastBrushY_ = row;
    hasLastBrush_ = true;
}

void RasterDocument::ToneStroke(CanvasSurface& canvas, QPoint from, QPoint to, ToneStrokeOp op) {
    hasLastBrush_ = false;
    const QPoint a = ClampPoint(from), b = ClampPoint(to);
    WalkStroke(a.x(), a.y(), b.x(), b.y(), [&](int x, int y) {
        const int column = x - photoX_, row = y - photoY_;
        if (toolMode_ == ToolMode::LocalBrighten || toolMode_ == ToolMode::LocalDarken)
            StampTone(canvas, column, row);
        else if (toolMode_ == ToolMode::MakeupBrush)
            MakeupDab(canvas, column, row, op);
    });
}

void RasterDocument::TakeSamplePatch(const CanvasSurface& surface, QPoint point) {
    const QPoint p = ClampPoint(point);
    surface.ReadRect(p.x() - 11, p.y() - 11, kSamplePatchSize, kSamplePatchSize, px_->sample.data(),
                     kSamplePatchStride);
    sampleTaken_ = true;
}

Colour RasterDocument::TakeSampleColour(const CanvasSurface& surface, QPoint point) {
    const Colour c = surface.PixelAt(point.x(), point.y());
    for (int r = 0; r < kSamplePatchSize; ++r)
        std::fill_n(px_->sample.begin() + r * kSamplePatchStride, kSamplePatchSize, c);
    sampleTaken_ = true;
    return c;
}

void RasterDocument::PencilMagnifierStroke(CanvasSurface& panel, QPoint fromCell, QPoint toCell) {
    const QPoint a = ClampPoint(fromCell), b = ClampPoint(toCell);
    WalkStroke(a.x(), a.y(), b.x(), b.y(), [&](int cx, int cy) {
        const QPoint pixel = MagnifierCellToPixel({cx, cy});
        if (!InLayer(pixel.x(), pixel.y()))
            return;
        px_->photo[static_cast<size_t>(Index(pixel.x(), pixel.y()))] = SampleAt(10, 12);
        PaintMagnifierCell(panel, cx, cy, ShownColour(pixel.x(), pixel.y()));
    });
}

} // namespace vx7::imaging

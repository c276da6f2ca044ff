#include "imaging/raster/ToneTools.h"

#include "imaging/geometry/BrushShape.h"
#include "imaging/raster/Magnifier.h"
#include "imaging/raster/RasterBrush.h"
#include "imaging/raster/RasterCoordinates.h"
#include "imaging/raster/ToneArithmetic.h"
#include "imaging/raster/WalkStroke.h"

#include <algorithm>
#include <cmath>

namespace vx7::imaging {

namespace {

const ToneArithmetic::Table& WholeTable(ToneOp op) {
    static const ToneArithmetic::Table brighten = ToneArithmetic::MakeTable(ToneArithmetic::BrightenWhole);
    static const ToneArithmetic::Table darken = ToneArithmetic::MakeTable(ToneArithmetic::DarkenWhole);
    return op == ToneOp::Brighten ? brighten : darken;
}

void ApplyTable(const ToneArithmetic::Table& table, Colour* pixels, int n) {
    for (int i = 0; i < n; ++i)
        pixels[i] = ToneArithmetic::Apply(table, pixels[i]);
}

} // namespace

ToneTools::ToneTools() : stroke_(std::make_unique<std::array<bool, PhotoLayers::kPixelCapacity>>()) {
    stroke_->fill(false);
}

ToneTools::~ToneTools() = default;

bool ToneTools::ToneWholePhoto(PhotoLayers& layers, ToneOp op) {
    if (!layers.PhotoLoaded() || (op != ToneOp::Brighten && op != ToneOp::Darken))
        return false;
    ApplyTable(WholeTable(op), layers.PhotoPixels(), layers.LayerSize());
    return true;
}

bool ToneTools::ToneBackground(PhotoLayers& layers, ToneOp op) {
    if (layers.Mode() != BackgroundMode::Picture || !layers.BackgroundLoaded())
        return false;
    if (op == ToneOp::Brighten || op == ToneOp::Darken) {
        ApplyTable(WholeTable(op), layers.BackgroundPixels(), layers.BackgroundSize());
        return true;
    }
    if (op == ToneOp::Sharpen) {
        posteriseStep_ = std::max(posteriseStep_, 2);
        const int step = posteriseStep_;
        const ToneArithmetic::Table table =
            ToneArithmetic::MakeTable([step](int c) { return ToneArithmetic::Posterise(c, step); });
        ApplyTable(table, layers.BackgroundPixels(), layers.BackgroundSize());
        posteriseStep_ *= 2;
        if (posteriseStep_ > 62 && posteriseStep_ != 64)
            posteriseStep_ = 64;
        return true;
    }
    return false;
}

void ToneTools::StampTone(CanvasSurface& canvas, PhotoLayers& layers, RasterBrush& brush, ToolMode tool,
                          int column, int row) {
    static const ToneArithmetic::Table brighten = ToneArithmetic::MakeTable(ToneArithmetic::BrightenLocal);
    static const ToneArithmetic::Table darken = ToneArithmetic::MakeTable(ToneArithmetic::DarkenLocal);
    Colour* photo = layers.PhotoPixels();
    for (const QPoint& o : brush.StampOffsets()) {
        const int c = column + o.x(), r = row + o.y();
        if (!layers.InLayer(c, r))
            continue;
        const size_t i = static_cast<size_t>(layers.Index(c, r));
        if (!(*stroke_)[i]) {
            if (tool == ToolMode::LocalBrighten) {
                photo[i] = ToneArithmetic::Apply(brighten, photo[i]);
                (*stroke_)[i] = true;
            } else if (tool == ToolMode::LocalDarken) {
                photo[i] = ToneArithmetic::Apply(darken, photo[i]);
                (*stroke_)[i] = true;
            }
        }
        // The canvas shows what a repaint would: removed pixels stay background.
        layers.WriteShown(canvas, c, r);
    }
}

void ToneTools::MakeupDab(CanvasSurface& canvas, PhotoLayers& layers, int radius, int column, int row,
                          ToneStrokeOp op) {
    // Nothing to paint with before a sample exists.
    if (!sampleTaken_)
        return;
    // Along a drag, a new dab needs to be at least a radius away from the last one.
    if (hasLastDab_) {
        const double dx = double(column) - lastDabX_, dy = double(row) - lastDabY_;
        if (static_cast<int>(std::sqrt(dx * dx + dy * dy)) < radius)
            return;
    }
    const int r = std::clamp(radius, 1, 9);
    const int f = op == ToneStrokeOp::SingleDab ? r : std::max(r / 3 - 1, 0);
    for (int dy = -f; dy <= f; ++dy) {
        for (int dx = -f; dx <= f; ++dx) {
            const int c = column + dx, rr = row + dy;
            if (!layers.InLayer(c, rr) ||
                !BrushShape::Covers(BrushShape::kCentre + dy, BrushShape::kCentre + dx))
                continue;
            if (static_cast<int>(std::sqrt(double(dx * dx + dy * dy))) > f)
                continue;
            // One column to the right of the same offset in the sample.
            layers.PhotoPixels()[static_cast<size_t>(layers.Index(c, rr))] = SampleAt(11 + dy, 12 + dx);
            layers.WriteShown(canvas, c, rr);
        }
    }
    lastDabX_ = column;
    lastDabY_ = row;
    hasLastDab_ = true;
}

void ToneTools::ToneStroke(CanvasSurface& canvas, PhotoLayers& layers, RasterBrush& brush, ToolMode tool,
                           QPoint from, QPoint to, ToneStrokeOp op) {
    hasLastDab_ = false;
    const QPoint a = ClampPoint(from), b = ClampPoint(to);
    const QPoint origin = layers.PhotoPosition();
    WalkStroke(a.x(), a.y(), b.x(), b.y(), [&](int x, int y) {
        const int column = x - origin.x(), row = y - origin.y();
        if (tool == ToolMode::LocalBrighten || tool == ToolMode::LocalDarken)
            StampTone(canvas, layers, brush, tool, column, row);
        else if (tool == ToolMode::MakeupBrush)
            MakeupDab(canvas, layers, brush.Radius(), column, row, op);
    });
}

void ToneTools::ResetStrokeMask(const PhotoLayers& layers) {
    if (!layers.PhotoLoaded())
        return;
    std::fill_n(stroke_->begin(), layers.LayerSize(), false);
}

bool ToneTools::StrokeTouched(const PhotoLayers& layers, int column, int row) const {
    return layers.InLayer(column, row) && (*stroke_)[size_t(layers.Index(column, row))];
}

void ToneTools::TakeSamplePatch(const CanvasSurface& surface, QPoint point) {
    const QPoint p = ClampPoint(point);
    surface.ReadRect(p.x() - 11, p.y() - 11, kSamplePatchSize, kSamplePatchSize, sample_.data(),
                     kSamplePatchStride);
    sampleTaken_ = true;
}

Colour ToneTools::TakeSampleColour(const CanvasSurface& surface, QPoint point) {
    const Colour c = surface.PixelAt(point.x(), point.y());
    for (int r = 0; r < kSamplePatchSize; ++r)
        std::fill_n(sample_.begin() + r * kSamplePatchStride, kSamplePatchSize, c);
    sampleTaken_ = true;
    return c;
}

Colour ToneTools::SampleAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= kSamplePatchSize || column >= kSamplePatchSize)
        return Colour(0);
    return sample_[size_t(row * kSamplePatchStride + column)];
}

void ToneTools::PencilMagnifierStroke(CanvasSurface& panel, PhotoLayers& layers, const Magnifier& magnifier,
                                      QPoint fromCell, QPoint toCell) {
    const QPoint a = ClampPoint(fromCell), b = ClampPoint(toCell);
    WalkStroke(a.x(), a.y(), b.x(), b.y(), [&](int cx, int cy) {
        const QPoint pixel = magnifier.CellToPixel({cx, cy});
        if (!layers.InLayer(pixel.x(), pixel.y()))
            return;
        layers.PhotoPixels()[static_cast<size_t>(layers.Index(pixel.x(), pixel.y()))] = SampleAt(10, 12);
        magnifier.PaintCell(panel, cx, cy, layers.ShownColour(pixel.x(), pixel.y()));
    });
}

} // namespace vx7::imaging

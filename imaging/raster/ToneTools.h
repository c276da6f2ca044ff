#pragma once

#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/Colour.h"
#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/RasterCodes.h"
#include "imaging/raster/ToolMode.h"

#include <QPoint>

#include <array>
#include <memory>

namespace vx7::imaging {

class Magnifier;
class RasterBrush;

// The tone tools: whole-layer brighten and darken, the background sharpening,
// the local brighten and darken brushes (each pixel changed at most once per
// stroke), and the make-up brush and magnifier pencil that paint from a sample
// patch taken off the canvas.
class ToneTools {
  public:
    static constexpr int kSamplePatchSize = 23;
    static constexpr int kSamplePatchStride = 26;

    ToneTools();
    ~ToneTools();
    ToneTools(const ToneTools&) = delete;
    ToneTools& operator=(const ToneTools&) = delete;

    // Brighten or darken every photo pixel, whatever its mask. Returns whether
    // anything changed (a photo is loaded and the code is one of the two).
    bool ToneWholePhoto(PhotoLayers& layers, ToneOp op);
    // The same for the background picture, plus Sharpen: posterise with the
    // current step, then double the step (at most 64). Only in
    // background-picture mode with a captured background.
    bool ToneBackground(PhotoLayers& layers, ToneOp op);
    int PosteriseStep() const { return posteriseStep_; }
    // A newly captured background starts the sharpening again at step 2.
    void ResetPosteriseStep() { posteriseStep_ = 2; }

    // Walks the stroke and, by tool, brightens or darkens the brush's pixels
    // (each once per stroke) or paints make-up dabs from the sample. The
    // canvas shows what a repaint would.
    void ToneStroke(CanvasSurface& canvas, PhotoLayers& layers, RasterBrush& brush, ToolMode tool,
                    QPoint from, QPoint to, ToneStrokeOp op);
    // Starts a new stroke: no pixel counts as touched.
    void ResetStrokeMask(const PhotoLayers& layers);
    bool StrokeTouched(const PhotoLayers& layers, int column, int row) const;

    // Reads the 23 x 23 pixels around the point as the sample.
    void TakeSamplePatch(const CanvasSurface& surface, QPoint point);
    // Fills the whole sample with the colour under the point and returns it.
    Colour TakeSampleColour(const CanvasSurface& surface, QPoint point);
    // Entry (row, column) is the sample at offset (column - 11, row - 11);
    // outside the patch black.
    Colour SampleAt(int row, int column) const;
    bool SampleTaken() const { return sampleTaken_; }
    void SetSampleTaken(bool taken) { sampleTaken_ = taken; }

    // Paints one sample colour into the photo along a stroke of magnifier cells.
    void PencilMagnifierStroke(CanvasSurface& panel, PhotoLayers& layers, const Magnifier& magnifier,
                               QPoint fromCell, QPoint toCell);

  private:
    void StampTone(CanvasSurface& canvas, PhotoLayers& layers, RasterBrush& brush, ToolMode tool, int column,
                   int row);
    void MakeupDab(CanvasSurface& canvas, PhotoLayers& layers, int radius, int column, int row,
                   ToneStrokeOp op);

    // Whether the current stroke has changed a pixel, indexed like the photo.
    std::unique_ptr<std::array<bool, PhotoLayers::kPixelCapacity>> stroke_;
    std::array<Colour, kSamplePatchSize * kSamplePatchStride> sample_{};
    bool sampleTaken_ = false;
    int posteriseStep_ = 2;
    int lastDabX_ = 0, lastDabY_ = 0;
    bool hasLastDab_ = false; // a make-up stroke has a last dab point
};

} // namespace vx7::imaging

#pragma once

#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/Colour.h"
#include "imaging/raster/CutOutTools.h"
#include "imaging/raster/Magnifier.h"
#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/PicturePlacement.h"
#include "imaging/raster/PixelMask.h"
#include "imaging/raster/RasterBrush.h"
#include "imaging/raster/RasterCodes.h"
#include "imaging/raster/StickerEdges.h"
#include "imaging/raster/ToneTools.h"
#include "imaging/raster/ToolMode.h"
#include "imaging/raster/WorkPolygon.h"

#include <QPoint>
#include <QRect>
#include <QString>

namespace vx7::platform {
class Prompt;
}

namespace vx7::imaging {

// The edited photo, the background picture and the state of the cut-out, tone
// and sticker tools. One document lives for the whole program run and is
// driven by the editor; every operation that touches the screen takes the
// memory surface of the drawing area it draws on (the canvas, or the
// magnifier panel), so what the layers read back is what the area shows.
//
// The document is a front over its parts, each with its own state:
//   PhotoLayers       the pixel layers, their place on the canvas and painting
//   PicturePlacement  loading pictures, the valid area, move/scale/rotate
//   Magnifier         the magnified cells and their scrolling
//   CutOutTools       polygon fills, the magic wand and the eraser
//   ToneTools         whole-layer tones, tone brushes, make-up and the sample
//   StickerEdges      ellipse selections with feathered or bright rings
// plus the brush radius, the work polygon, the tool mode and the selection
// rectangle, which several parts share. The front keeps the operations that
// touch more than one part in step (a captured background restarts the
// sharpening, a cleared photo resets the magnifier and the scale).
class RasterDocument {
  public:
    static constexpr int kPixelCapacity = PhotoLayers::kPixelCapacity;
    static constexpr int kMaxLayerWidth = PhotoLayers::kMaxLayerWidth;
    static constexpr int kMaxLayerHeight = PhotoLayers::kMaxLayerHeight;
    static constexpr Colour kClearedColour = PhotoLayers::kClearedColour;
    static constexpr Colour kInitialBackground = PhotoLayers::kInitialBackground;
    static constexpr Colour kMagnifierFill = Magnifier::kFill;
    static constexpr Colour kMagnifierGrid = Magnifier::kGrid;
    static constexpr Colour kPolygonLine = Colour(0x00F4E9E9u);
    static constexpr Colour kCloseMarkTopLeft = Colour(0x0000FFFFu);
    static constexpr Colour kCloseMarkBottomRight = Colour(0x00FFFF00u);
    static constexpr int kMagnifierZoom = Magnifier::kZoom;
    static constexpr int kSamplePatchSize = ToneTools::kSamplePatchSize;
    static constexpr int kSamplePatchStride = ToneTools::kSamplePatchStride;
    static constexpr int kLargestCentredOffset = PicturePlacement::kLargestCentredOffset;
    // SetSelection with this first coordinate clears the selection (the
    // editor's protocol); ClearSelection says the same by name.
    static constexpr int kSelectionClearX = 100;

    RasterDocument() = default;
    RasterDocument(const RasterDocument&) = delete;
    RasterDocument& operator=(const RasterDocument&) = delete;

    // ---- Loading and capturing ----

    // Decodes the picture (the current photo path when path is empty), draws it
    // at its natural size centred on the canvas (an offset above 320 is put at
    // 1, a negative one at 0), and reads the covered rectangle, at most
    // 640 x 480, back into the photo layer as kept pixels. The rectangle
    // becomes the valid area. A file that does not decode loads as 0 x 0.
    void LoadPhotoCentred(CanvasSurface& canvas, const QString& path = QString());
    // Redraws the photo scaled down to fit the valid area and captures the area.
    void FitPhotoToValidArea(CanvasSurface& canvas);
    // Draws the photo (or, with the background as placement target, the
    // background) with the placement; with Commit captures the result.
    void DrawPlaced(CanvasSurface& canvas, CaptureOp op);
    void DrawPlacedBackground(CanvasSurface& canvas, CaptureOp op);
    // Draws the background picture at the home position and captures it.
    void LoadBackground(CanvasSurface& canvas);
    // Chooses what the placement acts on when its file exists; otherwise shows
    // "请注意,当前图片不存在" and changes nothing.
    bool StartPlaceBackground(PlacementTarget target, platform::Prompt& prompt);

    // ---- Painting ----

    void PaintBackgroundLayer(CanvasSurface& canvas) const;
    void PaintPhotoLayer(CanvasSurface& canvas) const;
    // Paints the magnifier into its view rectangle of panel.
    void PaintMagnifier(CanvasSurface& panel);
    // Repaints one magnifier cell (column and row counted from the magnifier's top-left cell).
    void PaintMagnifierCell(CanvasSurface& panel, int column, int row, Colour colour) const;

    // ---- Fields ----

    // Writes the background colour to colour unless background-picture mode is
    // on; returns the mode.
    BackgroundMode GetBackground(Colour& colour) const;
    Colour BackgroundColour() const { return layers_.BackgroundColour(); }
    void SetBackgroundColour(Colour c) { layers_.SetBackgroundColour(c); }
    BackgroundMode GetBackgroundMode() const { return layers_.Mode(); }
    void SetBackgroundMode(BackgroundMode mode) { layers_.SetMode(mode); }
    void SetPhotoPath(const QString& path) { placement_.SetPhotoPath(path); }
    const QString& PhotoPath() const { return placement_.PhotoPath(); }
    void SetBackgroundPath(const QString& path) { placement_.SetBackgroundPath(path); }
    const QString& BackgroundPath() const { return placement_.BackgroundPath(); }
    void SetEdgeColour(Colour c) { edges_.SetEdgeColour(c); }
    Colour EdgeColour() const { return edges_.EdgeColour(); }
    void SetToolMode(ToolMode mode) { toolMode_ = mode; }
    ToolMode GetToolMode() const { return toolMode_; }
    bool SampleTaken() const { return tone_.SampleTaken(); }
    void SetSampleTaken(bool taken) { tone_.SetSampleTaken(taken); }
    bool PhotoLoaded() const { return layers_.PhotoLoaded(); }
    bool BackgroundLoaded() const { return layers_.BackgroundLoaded(); }
    void SetValidArea(QPoint a, QPoint b) { placement_.SetValidArea(a, b); }
    IntRect ValidArea() const { return placement_.ValidArea(); }
    // A first coordinate of kSelectionClearX clears the rectangle.
    void SetSelection(int x1, int y1, int x2, int y2);
    void ClearSelection() { selection_ = {}; }
    // Returns the selection rectangle and clears it.
    IntRect TakeSelection();
    void SetMagnifierView(const IntRect& view) { magnifier_.SetView(view); }
    IntRect MagnifierView() const { return magnifier_.View(); }
    void SetMagnifierSize(int columns, int rows) { magnifier_.SetSize(columns, rows); }
    // The magnifier's top-left cell shows the photo pixel under the canvas point.
    void SetMagnifierOrigin(QPoint canvasPoint) {
        magnifier_.SetOrigin(canvasPoint, layers_.PhotoPosition());
    }
    QPoint MagnifierOrigin() const { return magnifier_.Origin(); }
    int MagnifierZoom() const { return magnifier_.Zoom(); }
    int BrushRadius() const { return brush_.Radius(); }
    EdgeStyle GetEdgeStyle() const { return edges_.Style(); }
    int FeatherWidth() const { return edges_.FeatherWidth(); }
    int PosteriseStep() const { return tone_.PosteriseStep(); }

    QPoint PhotoPosition() const { return layers_.PhotoPosition(); }
    int PhotoWidth() const { return layers_.PhotoWidth(); }
    int PhotoHeight() const { return layers_.PhotoHeight(); }
    QPoint HomePosition() const { return placement_.HomePosition(); }
    int NaturalWidth() const { return placement_.NaturalWidth(); }
    int NaturalHeight() const { return placement_.NaturalHeight(); }
    float Scale() const { return placement_.ScaleFactor(); }
    QPoint BackgroundPosition() const { return layers_.BackgroundPosition(); }
    int BackgroundWidth() const { return layers_.BackgroundWidth(); }
    int BackgroundHeight() const { return layers_.BackgroundHeight(); }
    const Placement& CurrentPlacement() const { return placement_.Current(); }
    PlacementTarget GetPlacementTarget() const { return placement_.Target(); }
    const WorkPolygon& Polygon() const { return polygon_; }

    // Layer pixels by layer column and row; outside the layer the cleared values.
    Colour PhotoColour(int column, int row) const { return layers_.PhotoColour(column, row); }
    PixelMask MaskAt(int column, int row) const { return layers_.MaskAt(column, row); }
    // Whether the current tone stroke has already changed the pixel.
    bool StrokeTouched(int column, int row) const { return tone_.StrokeTouched(layers_, column, row); }
    Colour BackgroundLayerColour(int column, int row) const {
        return layers_.BackgroundLayerColour(column, row);
    }
    // What a removed photo pixel shows: the background picture at the same
    // column and row in background-picture mode with a captured background
    // (the background colour past its size), else the background colour.
    Colour BackgroundAt(int column, int row) const { return layers_.BackgroundAt(column, row); }
    Colour SampleAt(int row, int column) const { return tone_.SampleAt(row, column); }
    // Direct writes for the editor and tests; ignored outside the layer.
    void SetPhotoPixel(int column, int row, Colour c, PixelMask mask) {
        layers_.SetPhotoPixel(column, row, c, mask);
    }

    // ---- Placement, brush and magnifier ----

    void ResetPlacement() { placement_.Reset(layers_.PhotoPosition()); }
    void MovePlacement(int dx, int dy) { placement_.Move(dx, dy); }
    // Applied only when the new width is above 100 and the new height above 60.
    bool ScalePlacement(double factor) { return placement_.Scale(factor); }
    int RotatePlacement(RotateOp op, int angle = 0) { return placement_.Rotate(op, angle); }
    int StepBrushRadius(RadiusOp op) { return brush_.Step(op); }
    // Returns whether the origin moved.
    bool ScrollMagnifier(ScrollOp op) { return magnifier_.Scroll(op, layers_); }
    void MovePhoto(int dx, int dy) { layers_.MovePhoto(dx, dy); }

    void ClearPhoto();
    // Starts a new tone stroke: no pixel counts as touched.
    void ResetStrokeMask() { tone_.ResetStrokeMask(layers_); }
    void UndoWand() { cutOut_.UndoWand(layers_); }
    void CommitKeep() { cutOut_.CommitKeep(layers_); }

    // ---- Cut-out ----

    int AddPolygonPoint(PolygonOp op, QPoint& point) { return polygon_.AddPoint(op, point); }
    // Draws the polygon being collected and returns the marker rectangle around its first point.
    QRect DrawWorkPolygon(CanvasSurface& canvas) const;
    // Fills the work polygon; with the plain edge style the polygon is then emptied.
    void FillWorkPolygon(FillAction action);
    void WandAt(QPoint canvasPoint) { cutOut_.WandAt(layers_, canvasPoint); }
    void WandAtMagnifier(QPoint panelPoint);
    void EraseStroke(CanvasSurface& canvas, QPoint from, QPoint to, EraseOp op) {
        cutOut_.EraseStroke(canvas, layers_, brush_, from, to, op);
    }
    void EraseMagnifierStroke(CanvasSurface& panel, QPoint fromCell, QPoint toCell, EraseOp op) {
        cutOut_.EraseMagnifierStroke(panel, layers_, magnifier_, fromCell, toCell, op);
    }

    // ---- Tone ----

    // Both return whether anything changed.
    bool ToneWholePhoto(ToneOp op) { return tone_.ToneWholePhoto(layers_, op); }
    bool ToneBackground(ToneOp op) { return tone_.ToneBackground(layers_, op); }
    void ToneStroke(CanvasSurface& canvas, QPoint from, QPoint to, ToneStrokeOp op) {
        tone_.ToneStroke(canvas, layers_, brush_, toolMode_, from, to, op);
    }
    void TakeSamplePatch(const CanvasSurface& surface, QPoint point) {
        tone_.TakeSamplePatch(surface, point);
    }
    Colour TakeSampleColour(const CanvasSurface& surface, QPoint point) {
        return tone_.TakeSampleColour(surface, point);
    }
    void PencilMagnifierStroke(CanvasSurface& panel, QPoint fromCell, QPoint toCell) {
        tone_.PencilMagnifierStroke(panel, layers_, magnifier_, fromCell, toCell);
    }

    // ---- Sticker edges and spotlight ----

    EdgeStyle SetEdgeStyle(EdgeStyle style) { return edges_.SetStyle(style); }
    // Steps plain, feather, bright, plain ...; returns the new style.
    EdgeStyle CycleEdgeStyle() { return edges_.CycleStyle(); }
    // Puts the ellipse with centre (cx, cy) and half-axes rx, ry in the work polygon.
    void BuildEllipse(int cx, int cy, int rx, int ry);
    void SelectEllipse(int x1, int y1, int x2, int y2, SelectOp op) {
        edges_.SelectEllipse(layers_, polygon_, x1, y1, x2, y2, op);
    }

  private:
    PhotoLayers layers_;
    PicturePlacement placement_;
    imaging::Magnifier magnifier_;
    RasterBrush brush_;
    CutOutTools cutOut_;
    ToneTools tone_;
    StickerEdges edges_;
    WorkPolygon polygon_;
    ToolMode toolMode_ = ToolMode::None;
    IntRect selection_{};
};

} // namespace vx7::imaging

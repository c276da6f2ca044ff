#pragma once

#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/Colour.h"
#include "imaging/raster/PictureFile.h"
#include "imaging/raster/PixelMask.h"
#include "imaging/raster/RasterCodes.h"
#include "imaging/raster/ToolMode.h"
#include "imaging/raster/WorkPolygon.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace vx7::platform {
class Prompt;
}

namespace vx7::imaging {

class RingCrossing;

// A rectangle as four ints, left/top inclusive and right/bottom exclusive.
struct IntRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const IntRect&, const IntRect&) = default;
};

// The picture being moved, scaled and rotated before it is captured.
struct Placement {
    int left = 0, top = 0, width = 0, height = 0;
    int angle = 0; // whole degrees
    friend bool operator==(const Placement&, const Placement&) = default;
};

// The edited photo, the background picture and the state of the cut-out, tone
// and sticker tools. One document lives for the whole program run and is
// driven by the editor; every operation that touches the screen takes the
// memory surface of the drawing area it draws on (the canvas, or the
// magnifier panel), so what the layers read back is what the area shows.
//
// Pictures enter the layers only by being drawn onto the canvas and read back
// from it; scaling, rotation and whatever lay under the picture become part of
// the layer. Pixel storage is fixed (650000 entries per array, at most
// 640 x 480 used), row-major with a stride of the layer width, and every
// per-pixel operation skips what lies outside the layer.
class RasterDocument {
  public:
    static constexpr int kPixelCapacity = 650000;
    static constexpr int kMaxLayerWidth = 640;
    static constexpr int kMaxLayerHeight = 480;
    static constexpr Colour kClearedColour = Colour(0x000D0C0Bu);
    static constexpr Colour kInitialBackground = Colour(0x006A6F0Du);
    static constexpr Colour kMagnifierFill = Colour(0x00DEDEDEu);
    static constexpr Colour kMagnifierGrid = Colour(0x00808080u);
    static constexpr Colour kPolygonLine = Colour(0x00F4E9E9u);
    static constexpr Colour kCloseMarkTopLeft = Colour(0x0000FFFFu);
    static constexpr Colour kCloseMarkBottomRight = Colour(0x00FFFF00u);
    static constexpr int kMagnifierZoom = 7;
    static constexpr int kSamplePatchSize = 23;
    static constexpr int kSamplePatchStride = 26;
    static constexpr int kLargestCentredOffset = 320;

    // SetSelection with this first coordinate clears the selection (the
    // editor's protocol); ClearSelection says the same by name.
    static constexpr int kSelectionClearX = 100;

    RasterDocument();
    ~RasterDocument();
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
    Colour BackgroundColour() const { return backgroundColour_; }
    void SetBackgroundColour(Colour c) { backgroundColour_ = c; }
    imaging::BackgroundMode GetBackgroundMode() const { return backgroundMode_; }
    void SetBackgroundMode(imaging::BackgroundMode mode) { backgroundMode_ = mode; }
    void SetPhotoPath(const QString& path) { photoPath_ = path; }
    const QString& PhotoPath() const { return photoPath_; }
    void SetBackgroundPath(const QString& path) { backgroundPath_ = path; }
    const QString& BackgroundPath() const { return backgroundPath_; }
    void SetEdgeColour(Colour c) { edgeColour_ = c; }
    Colour EdgeColour() const { return edgeColour_; }
    void SetToolMode(ToolMode mode) { toolMode_ = mode; }
    ToolMode GetToolMode() const { return toolMode_; }
    bool SampleTaken() const { return sampleTaken_; }
    void SetSampleTaken(bool taken) { sampleTaken_ = taken; }
    bool PhotoLoaded() const { return photoLoaded_; }
    bool BackgroundLoaded() const { return backgroundLoaded_; }
    void SetValidArea(QPoint a, QPoint b);
    IntRect ValidArea() const { return validArea_; }
    // A first coordinate of kSelectionClearX clears the rectangle.
    void SetSelection(int x1, int y1, int x2, int y2);
    void ClearSelection() { selection_ = {}; }
    // Returns the selection rectangle and clears it.
    IntRect TakeSelection();
    void SetMagnifierView(const IntRect& view) { magnifierView_ = view; }
    IntRect MagnifierView() const { return magnifierView_; }
    void SetMagnifierSize(int columns, int rows) {
        magnifierColumns_ = columns;
        magnifierRows_ = rows;
    }
    // The magnifier's top-left cell shows the photo pixel under the canvas point.
    void SetMagnifierOrigin(QPoint canvasPoint);
    QPoint MagnifierOrigin() const { return {magnifierColumn_, magnifierRow_}; }
    int MagnifierZoom() const { return magnifierZoom_; }
    int BrushRadius() const { return brushRadius_; }
    imaging::EdgeStyle GetEdgeStyle() const { return edgeStyle_; }
    int FeatherWidth() const { return featherWidth_; }
    int PosteriseStep() const { return posteriseStep_; }

    QPoint PhotoPosition() const { return {photoX_, photoY_}; }
    int PhotoWidth() const { return photoWidth_; }
    int PhotoHeight() const { return photoHeight_; }
    QPoint HomePosition() const { return {homeX_, homeY_}; }
    int NaturalWidth() const { return naturalWidth_; }
    int NaturalHeight() const { return naturalHeight_; }
    float Scale() const { return scale_; }
    QPoint BackgroundPosition() const { return {backgroundX_, backgroundY_}; }
    int BackgroundWidth() const { return backgroundWidth_; }
    int BackgroundHeight() const { return backgroundHeight_; }
    const Placement& CurrentPlacement() const { return placement_; }
    imaging::PlacementTarget GetPlacementTarget() const { return placementTarget_; }
    const WorkPolygon& Polygon() const { return polygon_; }

    // Layer pixels by layer column and row; outside the layer the cleared values.
    Colour PhotoColour(int column, int row) const;
    PixelMask MaskAt(int column, int row) const;
    // Whether the current tone stroke has already changed the pixel.
    bool StrokeTouched(int column, int row) const;
    Colour BackgroundLayerColour(int column, int row) const;
    // What a removed photo pixel shows: the background picture at the same
    // column and row in background-picture mode with a captured background
    // (the background colour past its size), else the background colour.
    Colour BackgroundAt(int column, int row) const;
    Colour SampleAt(int row, int column) const;
    // Direct writes for the editor and tests; ignored outside the layer.
    void SetPhotoPixel(int column, int row, Colour c, PixelMask mask);

    // ---- Placement, brush and magnifier ----

    void ResetPlacement();
    void MovePlacement(int dx, int dy);
    // Applied only when the new width is above 100 and the new height above 60.
    bool ScalePlacement(double factor);
    int RotatePlacement(RotateOp op, int angle = 0);
    int StepBrushRadius(RadiusOp op);
    // Returns whether the origin moved.
    bool ScrollMagnifier(ScrollOp op);
    void MovePhoto(int dx, int dy);

    void ClearPhoto();
    // Starts a new tone stroke: no pixel counts as touched.
    void ResetStrokeMask();
    void UndoWand();
    void CommitKeep();

    // ---- Cut-out ----

    int AddPolygonPoint(PolygonOp op, QPoint& point) { return polygon_.AddPoint(op, point); }
    // Draws the polygon being collected and returns the marker rectangle around its first point.
    QRect DrawWorkPolygon(CanvasSurface& canvas) const;
    void FillWorkPolygon(FillAction action);
    void WandAt(QPoint canvasPoint);
    void WandAtMagnifier(QPoint panelPoint);
    void EraseStroke(CanvasSurface& canvas, QPoint from, QPoint to, EraseOp op);
    void EraseMagnifierStroke(CanvasSurface& panel, QPoint fromCell, QPoint toCell, EraseOp op);

    // ---- Tone ----

    // Both return whether anything changed.
    bool ToneWholePhoto(ToneOp op);
    bool ToneBackground(ToneOp op);
    void ToneStroke(CanvasSurface& canvas, QPoint from, QPoint to, ToneStrokeOp op);
    void TakeSamplePatch(const CanvasSurface& surface, QPoint point);
    Colour TakeSampleColour(const CanvasSurface& surface, QPoint point);
    void PencilMagnifierStroke(CanvasSurface& panel, QPoint fromCell, QPoint toCell);

    // ---- Sticker edges and spotlight ----

    imaging::EdgeStyle SetEdgeStyle(imaging::EdgeStyle style);
    // Steps plain, feather, bright, plain ...; returns the new style.
    imaging::EdgeStyle CycleEdgeStyle();
    void BuildEllipse(int cx, int cy, int rx, int ry);
    void SelectEllipse(int x1, int y1, int x2, int y2, SelectOp op);

  private:
    // The fixed pixel arrays, allocated once with the document.
    struct Storage {
        std::array<Colour, kPixelCapacity> photo;
        std::array<PixelMask, kPixelCapacity> mask;
        std::array<Colour, kPixelCapacity> background;
        std::array<PixelMask, kPixelCapacity> backgroundMask;
        std::array<bool, kPixelCapacity> stroke;          // touched in this stroke
        std::array<std::uint8_t, kPixelCapacity> scratch; // the wand's pixels that may still join
        std::array<Colour, kSamplePatchSize * kSamplePatchStride> sample;
    };

    int Index(int column, int row) const { return column + row * photoWidth_; }
    bool InLayer(int column, int row) const {
        return column >= 0 && row >= 0 && column < photoWidth_ && row < photoHeight_;
    }
    int LayerSize() const { return photoWidth_ * photoHeight_; }
    // What PaintPhotoLayer shows at a layer pixel outside the sticker mode.
    Colour ShownColour(int column, int row) const;
    void WriteShown(CanvasSurface& canvas, int column, int row) const;

    void CapturePhoto(const CanvasSurface& canvas, int x, int y, int width, int height);
    void DrawPicture(CanvasSurface& canvas, const QImage& picture, const Placement& where) const;
    QPoint MagnifierCellToPixel(QPoint cell) const {
        return {cell.x() + magnifierColumn_, cell.y() + magnifierRow_};
    }

    void EraserPixel(CanvasSurface* canvas, int column, int row, EraseOp op);
    void StampEraser(CanvasSurface& canvas, int column, int row, EraseOp op);
    void StampTone(CanvasSurface& canvas, int column, int row);
    void MakeupDab(CanvasSurface& canvas, int column, int row, ToneStrokeOp op);
    void BlendRingPixel(int canvasX, int canvasY, int column, int row, const RingCrossing& crossing);
    const std::vector<QPoint>& StampOffsets();

    std::unique_ptr<Storage> px_;
    PictureFile photoFile_;
    PictureFile backgroundFile_;

    Colour backgroundColour_ = kInitialBackground;
    int brushRadius_ = 3;
    imaging::BackgroundMode backgroundMode_ = BackgroundMode::Colour;
    int homeX_ = 0, homeY_ = 0;
    bool photoLoaded_ = false;
    int photoX_ = 0, photoY_ = 0;
    int photoWidth_ = 0, photoHeight_ = 0;
    float scale_ = 1.0f;
    int naturalWidth_ = 0, naturalHeight_ = 0;
    IntRect selection_{};
    IntRect validArea_{6, 6, 326, 246};
    QString photoPath_;
    Placement placement_{};
    imaging::PlacementTarget placementTarget_ = PlacementTarget::Photo;
    // Set to 7 whenever the magnifier is drawn; starts at 7 so that a click
    // before the first paint maps to cells instead of dividing by zero.
    int magnifierZoom_ = kMagnifierZoom;
    int magnifierColumn_ = 0, magnifierRow_ = 0;
    IntRect magnifierView_{};
    int magnifierColumns_ = 0, magnifierRows_ = 0;
    bool backgroundLoaded_ = false;
    int backgroundX_ = 0, backgroundY_ = 0;
    int backgroundWidth_ = 0, backgroundHeight_ = 0;
    int backgroundNaturalWidth_ = 0, backgroundNaturalHeight_ = 0;
    QString backgroundPath_;
    int posteriseStep_ = 2;
    WorkPolygon polygon_;
    std::array<int, 6> wandBounds_{}; // low and high of red, green, blue
    ToolMode toolMode_ = ToolMode::None;
    // How FillWorkPolygon fills while a sticker ellipse is being selected.
    enum class EllipseFill { Off, Mark, Keep, Ring };
    EllipseFill ellipseFill_ = EllipseFill::Off;
    imaging::EdgeStyle edgeStyle_ = EdgeStyle::Plain;
    WorkPolygon innerEllipse_;
    int featherWidth_ = 0;
    Colour edgeColour_ = Colour(0x00FFFFFFu);
    int ringX_ = 0, ringY_ = 0, ringHalfWidth_ = 0, ringHalfHeight_ = 0;
    bool sampleTaken_ = false;
    int lastBrushX_ = 0, lastBrushY_ = 0;
    bool hasLastBrush_ = false; // a make-up stroke has a last dab point

    int stampRadius_ = -1;
    std::vector<QPoint> stampOffsets_;
};

} // namespace vx7::imaging

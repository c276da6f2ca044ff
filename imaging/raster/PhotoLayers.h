#pragma once

#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/Colour.h"
#include "imaging/raster/PixelMask.h"
#include "imaging/raster/RasterCodes.h"

#include <QPoint>

#include <array>
#include <memory>
#include <vector>

namespace vx7::imaging {

class WorkPolygon;

// The pixel layers of the document: the edited photo with one PixelMask byte
// per pixel, and the background picture, each with its place on the canvas; and
// what a removed photo pixel shows (the background colour or picture).
//
// Pixel storage is fixed (650000 entries per array, at most 640 x 480 used) and
// allocated once, row-major with a stride of the layer width. Pictures enter
// only by being read back from a canvas, so what a layer holds is what the
// canvas showed. Every per-pixel access skips what lies outside the layer.
class PhotoLayers {
  public:
    static constexpr int kPixelCapacity = 650000;
    static constexpr int kMaxLayerWidth = 640;
    static constexpr int kMaxLayerHeight = 480;
    static constexpr Colour kClearedColour = Colour(0x000D0C0Bu);
    static constexpr Colour kInitialBackground = Colour(0x006A6F0Du);

    PhotoLayers();
    ~PhotoLayers();
    PhotoLayers(const PhotoLayers&) = delete;
    PhotoLayers& operator=(const PhotoLayers&) = delete;

    // ---- The photo layer ----

    bool PhotoLoaded() const { return photoLoaded_; }
    void MarkPhotoLoaded() { photoLoaded_ = true; }
    QPoint PhotoPosition() const { return {photoX_, photoY_}; }
    int PhotoWidth() const { return photoWidth_; }
    int PhotoHeight() const { return photoHeight_; }
    int LayerSize() const { return photoWidth_ * photoHeight_; }
    bool InLayer(int column, int row) const {
        return column >= 0 && row >= 0 && column < photoWidth_ && row < photoHeight_;
    }
    int Index(int column, int row) const { return column + row * photoWidth_; }

    // Reads the canvas rectangle at (x, y), clipped to 640 x 480, into the photo
    // layer and marks every pixel kept. Outside the canvas reads white.
    void CapturePhoto(const CanvasSurface& canvas, int x, int y, int width, int height);
    // Moves the layer on the canvas; coordinates stay in the 16-bit range.
    void MovePhoto(int dx, int dy);
    // Empties the photo layer: no pixels, every mask byte empty, not loaded.
    void ClearPhoto();

    Colour PhotoColour(int column, int row) const;
    PixelMask MaskAt(int column, int row) const;
    void SetPhotoPixel(int column, int row, Colour c, PixelMask mask);
    // Whole-layer access for the tools; LayerSize() entries are in use.
    Colour* PhotoPixels() { return px_->photo.data(); }
    const Colour* PhotoPixels() const { return px_->photo.data(); }
    PixelMask* MaskPixels() { return px_->mask.data(); }
    const PixelMask* MaskPixels() const { return px_->mask.data(); }

    // ---- The background picture ----

    bool BackgroundLoaded() const { return backgroundLoaded_; }
    QPoint BackgroundPosition() const { return {backgroundX_, backgroundY_}; }
    int BackgroundWidth() const { return backgroundWidth_; }
    int BackgroundHeight() const { return backgroundHeight_; }
    // Reads the canvas rectangle at (x, y), clipped to 640 x 480, into the
    // background layer; the background counts as captured.
    void CaptureBackground(const CanvasSurface& canvas, int x, int y, int width, int height);
    // No background is captured any more; the place and size are still reported.
    void DropBackground(int x, int y, int width, int height);
    Colour BackgroundLayerColour(int column, int row) const;
    Colour* BackgroundPixels() { return px_->background.data(); }
    int BackgroundSize() const { return backgroundWidth_ * backgroundHeight_; }

    // ---- What removed pixels show ----

    Colour BackgroundColour() const { return backgroundColour_; }
    void SetBackgroundColour(Colour c) { backgroundColour_ = c; }
    BackgroundMode Mode() const { return backgroundMode_; }
    void SetMode(BackgroundMode mode) { backgroundMode_ = mode; }
    // In background-picture mode with a captured background, the background
    // picture at the same column and row (the background colour past its size);
    // otherwise the background colour.
    Colour BackgroundAt(int column, int row) const;
    // What a repaint shows at a photo pixel outside the sticker mode: its colour
    // when kept, else the background.
    Colour ShownColour(int column, int row) const;
    void WriteShown(CanvasSurface& canvas, int column, int row) const;

    // ---- Painting ----

    // Writes the background picture to the canvas in background-picture mode.
    void PaintBackground(CanvasSurface& canvas) const;
    // Writes the photo layer to the canvas. Normally kept pixels show their
    // colour and the others the background colour (left alone in
    // background-picture mode). In sticker mode kept pixels are dimmed to 0.6,
    // marked pixels show their colour and the others are left alone.
    void PaintPhoto(CanvasSurface& canvas, bool sticker) const;

    // A run of photo pixels on one layer row: columns first up to but excluding end.
    struct Run {
        int row, first, end;
    };
    // The runs of the polygon's scan conversion (half-open rows, see
    // ScanPolygon) that cover photo pixels, clipped to the layer, top row first.
    std::vector<Run> PolygonRuns(const WorkPolygon& polygon) const;

  private:
    struct Storage {
        std::array<Colour, kPixelCapacity> photo;
        std::array<PixelMask, kPixelCapacity> mask;
        std::array<Colour, kPixelCapacity> background;
        std::array<PixelMask, kPixelCapacity> backgroundMask;
    };
    std::unique_ptr<Storage> px_;
    bool photoLoaded_ = false;
    int photoX_ = 0, photoY_ = 0;
    int photoWidth_ = 0, photoHeight_ = 0;
    bool backgroundLoaded_ = false;
    int backgroundX_ = 0, backgroundY_ = 0;
    int backgroundWidth_ = 0, backgroundHeight_ = 0;
    Colour backgroundColour_ = kInitialBackground;
    BackgroundMode backgroundMode_ = BackgroundMode::Colour;
};

} // namespace vx7::imaging

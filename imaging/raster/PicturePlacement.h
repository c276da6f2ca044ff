#pragma once

#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/PictureFile.h"
#include "imaging/raster/RasterCodes.h"

#include <QPoint>
#include <QString>

namespace vx7::platform {
class Prompt;
}

namespace vx7::imaging {

class PhotoLayers;

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

// Getting pictures into the layers: the photo and background files, where the
// photo was first put (its home), the valid area it is captured from, and the
// placement that moves, scales and rotates a picture before it is captured.
//
// A picture is decoded, drawn on the canvas with smooth scaling and read back,
// so whatever the canvas showed under it becomes part of the layer.
class PicturePlacement {
  public:
    static constexpr int kLargestCentredOffset = 320;

    void SetPhotoPath(const QString& path) { photoPath_ = path; }
    const QString& PhotoPath() const { return photoPath_; }
    void SetBackgroundPath(const QString& path) { backgroundPath_ = path; }
    const QString& BackgroundPath() const { return backgroundPath_; }

    // Draws the photo (path, or the current photo path when empty) at its
    // natural size centred on the canvas (an offset above 320 is put at 1, a
    // negative one at 0) and captures the covered rectangle, at most 640 x 480,
    // which becomes the valid area. A file that does not decode loads as 0 x 0.
    void LoadPhotoCentred(CanvasSurface& canvas, PhotoLayers& layers, const QString& path);
    // Redraws the photo scaled down to fit the valid area and captures the area.
    void FitPhotoToValidArea(CanvasSurface& canvas, PhotoLayers& layers);
    // Draws the photo with the placement; Commit captures the valid area.
    void DrawPlacedPhoto(CanvasSurface& canvas, PhotoLayers& layers, CaptureOp op);
    // Draws the background with the placement; Commit captures it from (1, 1)
    // and hands the placement back to the photo.
    void DrawPlacedBackground(CanvasSurface& canvas, PhotoLayers& layers, CaptureOp op);
    // Draws the background picture at the home position and captures it.
    // Returns false, with no background captured, when the file does not exist.
    bool LoadBackground(CanvasSurface& canvas, PhotoLayers& layers);
    // Chooses what the placement acts on when its file exists; otherwise shows
    // "请注意,当前图片不存在" and changes nothing.
    bool StartPlace(PlacementTarget target, platform::Prompt& prompt);

    // The placement starts at the photo's position with the natural size.
    void Reset(QPoint photoPosition);
    void Move(int dx, int dy);
    // Applied only when the new width is above 100 and the new height above 60.
    bool Scale(double factor);
    int Rotate(RotateOp op, int angle);

    const Placement& Current() const { return placement_; }
    PlacementTarget Target() const { return target_; }
    void SetValidArea(QPoint a, QPoint b);
    IntRect ValidArea() const { return validArea_; }
    QPoint HomePosition() const { return {homeX_, homeY_}; }
    int NaturalWidth() const { return naturalWidth_; }
    int NaturalHeight() const { return naturalHeight_; }
    float ScaleFactor() const { return scale_; }
    void ResetScaleFactor() { scale_ = 1.0f; }

  private:
    void DrawPicture(CanvasSurface& canvas, const QImage& picture, const Placement& where) const;
    void CaptureValidArea(const CanvasSurface& canvas, PhotoLayers& layers);

    PictureFile photoFile_;
    PictureFile backgroundFile_;
    QString photoPath_;
    QString backgroundPath_;
    int homeX_ = 0, homeY_ = 0;
    int naturalWidth_ = 0, naturalHeight_ = 0;
    float scale_ = 1.0f;
    IntRect validArea_{6, 6, 326, 246};
    Placement placement_{};
    PlacementTarget target_ = PlacementTarget::Photo;
};

} // namespace vx7::imaging

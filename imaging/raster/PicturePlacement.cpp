#include "imaging/raster/PicturePlacement.h"

#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/RasterCoordinates.h"
#include "platform/Prompt.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace vx7::imaging {

void PicturePlacement::DrawPicture(CanvasSurface& canvas, const QImage& picture,
                                   const Placement& where) const {
    if (picture.isNull() || where.width <= 0 || where.height <= 0 || canvas.Image().isNull())
        return;
    QPainter painter(&canvas.Image());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (where.angle != 0) {
        // The picture turns about ((left + width) / 2, (top + height) / 2).
        const int cx = (where.left + where.width) / 2;
        const int cy = (where.top + where.height) / 2;
        painter.translate(cx, cy);
        painter.rotate(where.angle);
        painter.drawImage(QRect(where.left - cx, where.top - cy, where.width, where.height), picture);
    } else {
        painter.drawImage(QRect(where.left, where.top, where.width, where.height), picture);
    }
}

void PicturePlacement::CaptureValidArea(const CanvasSurface& canvas, PhotoLayers& layers) {
    layers.CapturePhoto(canvas, validArea_.left, validArea_.top,
                        std::min(validArea_.Width(), PhotoLayers::kMaxLayerWidth),
                        std::min(validArea_.Height(), PhotoLayers::kMaxLayerHeight));
}

void PicturePlacement::LoadPhotoCentred(CanvasSurface& canvas, PhotoLayers& layers, const QString& path) {
    if (!path.isEmpty())
        photoPath_ = path;
    const QRect clip = canvas.ClipBox();
    const QImage& picture = photoFile_.Load(photoPath_);
    naturalWidth_ = picture.width();
    naturalHeight_ = picture.height();

    int x = (clip.width() - naturalWidth_) >> 1;
    int y = (clip.height() - naturalHeight_) >> 1;
    if (x < 0)
        x = 0;
    else if (x > kLargestCentredOffset)
        x = 1;
    if (y < 0)
        y = 0;
    else if (y > kLargestCentredOffset)
        y = 1;
    homeX_ = x;
    homeY_ = y;

    DrawPicture(canvas, picture, {x, y, naturalWidth_, naturalHeight_, 0});
    layers.MarkPhotoLoaded();
    const int width = std::min(naturalWidth_, PhotoLayers::kMaxLayerWidth);
    const int height = std::min(naturalHeight_, PhotoLayers::kMaxLayerHeight);
    validArea_ = {x, y, x + width, y + height};
    layers.CapturePhoto(canvas, x, y, width, height);
}

void PicturePlacement::FitPhotoToValidArea(CanvasSurface& canvas, PhotoLayers& layers) {
    const int areaWidth = validArea_.Width();
    const int areaHeight = validArea_.Height();
    if (areaWidth <= 10 || areaHeight <= 10)
        return;
    const QImage& picture = photoFile_.Load(photoPath_);
    naturalWidth_ = picture.width();
    naturalHeight_ = picture.height();
    float factor = std::max(static_cast<float>(naturalWidth_) / static_cast<float>(areaWidth),
                            static_cast<float>(naturalHeight_) / static_cast<float>(areaHeight));
    if (factor < 1.0f)
        factor = 1.0f;
    scale_ = factor;
    // Drawn at the area's top-left, which is where the area is read back.
    DrawPicture(canvas, picture,
                {validArea_.left, validArea_.top, static_cast<int>(naturalWidth_ / factor),
                 static_cast<int>(naturalHeight_ / factor), 0});
    CaptureValidArea(canvas, layers);
    placement_.angle = 0;
}

void PicturePlacement::DrawPlacedPhoto(CanvasSurface& canvas, PhotoLayers& layers, CaptureOp op) {
    DrawPicture(canvas, photoFile_.Load(photoPath_), placement_);
    if (op == CaptureOp::Commit) {
        CaptureValidArea(canvas, layers);
        placement_.angle = 0;
    }
}

void PicturePlacement::DrawPlacedBackground(CanvasSurface& canvas, PhotoLayers& layers, CaptureOp op) {
    const QImage& picture = backgroundFile_.Load(backgroundPath_);
    DrawPicture(canvas, picture, placement_);
    if (op == CaptureOp::Commit) {
        layers.CaptureBackground(canvas, 1, 1, picture.width(), picture.height());
        placement_.angle = 0;
        target_ = PlacementTarget::Photo;
    }
}

bool PicturePlacement::LoadBackground(CanvasSurface& canvas, PhotoLayers& layers) {
    if (!QFileInfo(backgroundPath_).isFile()) {
        // The background takes the photo's size and the home position, with nothing captured.
        layers.DropBackground(homeX_, homeY_, layers.PhotoWidth(), layers.PhotoHeight());
        return false;
    }
    const QImage& picture = backgroundFile_.Load(backgroundPath_);
    DrawPicture(canvas, picture, {homeX_, homeY_, picture.width(), picture.height(), 0});
    layers.CaptureBackground(canvas, homeX_, homeY_, picture.width(), picture.height());
    return true;
}

bool PicturePlacement::StartPlace(PlacementTarget target, platform::Prompt& prompt) {
    const QString& path = target == PlacementTarget::Background ? backgroundPath_ : photoPath_;
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        target_ = target;
        return true;
    }
    prompt.Message(QStringLiteral("请注意,当前图片不存在"));
    return false;
}

void PicturePlacement::Reset(QPoint photoPosition) {
    placement_.left = photoPosition.x();
    placement_.top = photoPosition.y();
    placement_.width = naturalWidth_;
    placement_.height = naturalHeight_;
}

void PicturePlacement::Move(int dx, int dy) {
    placement_.left = ClampCoordinate(placement_.left + ClampCoordinate(dx));
    placement_.top = ClampCoordinate(placement_.top + ClampCoordinate(dy));
}

bool PicturePlacement::Scale(double factor) {
    const double w = placement_.width * factor;
    const double h = placement_.height * factor;
    // Sizes past the coordinate range would overflow; they are refused like too small ones.
    if (!(w < 32768.0 && h < 32768.0))
        return false;
    const int width = static_cast<int>(w);
    const int height = static_cast<int>(h);
    if (width <= 100 || height <= 60)
        return false;
    placement_.width = width;
    placement_.height = height;
    return true;
}

int PicturePlacement::Rotate(RotateOp op, int angle) {
    if (op == RotateOp::Set) {
        placement_.angle = angle;
    } else if (op == RotateOp::Up) {
        ++placement_.angle;
        if (placement_.angle >= 360)
            placement_.angle = 0;
    } else if (op == RotateOp::Down) {
        --placement_.angle;
        if (placement_.angle <= -360)
            placement_.angle = 0;
    }
    return placement_.angle;
}

void PicturePlacement::SetValidArea(QPoint a, QPoint b) {
    validArea_ = {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
                  std::max(a.y(), b.y())};
}

} // namespace vx7::imaging

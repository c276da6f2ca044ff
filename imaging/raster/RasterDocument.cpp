#include "imaging/raster/RasterDocument.h"

#include "imaging/raster/ToneArithmetic.h"
#include "platform/Prompt.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace vx7::imaging {

namespace {

// Window messages carry 16-bit coordinates; anything beyond is cut to that range
// so that arithmetic on points cannot overflow.
int ClampCoordinate(int v) {
    return std::clamp(v, -32768, 32767);
}

} // namespace

RasterDocument::RasterDocument() : px_(std::make_unique<Storage>()) {
    px_->photo.fill(kClearedColour);
    px_->mask.fill(PixelMask::Empty);
    px_->background.fill(kClearedColour);
    px_->backgroundMask.fill(PixelMask::Empty);
    px_->stroke.fill(false);
    px_->sample.fill(Colour(0));
}

RasterDocument::~RasterDocument() = default;

// ---------------------------------------------------------------- loading

void RasterDocument::DrawPicture(CanvasSurface& canvas, const QImage& picture, const Placement& where) const {
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

void RasterDocument::CapturePhoto(const CanvasSurface& canvas, int x, int y, int width, int height) {
    photoX_ = x;
    photoY_ = y;
    photoWidth_ = std::clamp(width, 0, kMaxLayerWidth);
    photoHeight_ = std::clamp(height, 0, kMaxLayerHeight);
    canvas.ReadRect(x, y, photoWidth_, photoHeight_, px_->photo.data(), photoWidth_);
    std::fill_n(px_->mask.begin(), LayerSize(), PixelMask::Kept);
}

void RasterDocument::LoadPhotoCentred(CanvasSurface& canvas, const QString& path) {
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
    photoLoaded_ = true;
    const int width = std::min(naturalWidth_, kMaxLayerWidth);
    const int height = std::min(naturalHeight_, kMaxLayerHeight);
    validArea_ = {x, y, x + width, y + height};
    CapturePhoto(canvas, x, y, width, height);
}

void RasterDocument::FitPhotoToValidArea(CanvasSurface& canvas) {
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
    CapturePhoto(canvas, validArea_.left, validArea_.top, std::min(areaWidth, kMaxLayerWidth),
                 std::min(areaHeight, kMaxLayerHeight));
    placement_.angle = 0;
}

void RasterDocument::DrawPlaced(CanvasSurface& canvas, CaptureOp op) {
    if (placementTarget_ == PlacementTarget::Background) {
        DrawPlacedBackground(canvas, op);
        return;
    }
    DrawPicture(canvas, photoFile_.Load(photoPath_), placement_);
    if (op == CaptureOp::Commit) {
        CapturePhoto(canvas, validArea_.left, validArea_.top, std::min(validArea_.Width(), kMaxLayerWidth),
                     std::min(validArea_.Height(), kMaxLayerHeight));
        placement_.angle = 0;
    }
}

void RasterDocument::DrawPlacedBackground(CanvasSurface& canvas, CaptureOp op) {
    const QImage& picture = backgroundFile_.Load(backgroundPath_);
    DrawPicture(canvas, picture, placement_);
    if (op == CaptureOp::Commit) {
        backgroundNaturalWidth_ = picture.width();
        backgroundNaturalHeight_ = picture.height();
        backgroundX_ = 1;
        backgroundY_ = 1;
        backgroundWidth_ = std::min(backgroundNaturalWidth_, kMaxLayerWidth);
        backgroundHeight_ = std::min(backgroundNaturalHeight_, kMaxLayerHeight);
        canvas.ReadRect(backgroundX_, backgroundY_, backgroundWidth_, backgroundHeight_,
                        px_->background.data(), backgroundWidth_);
        std::fill_n(px_->backgroundMask.begin(), backgroundWidth_ * backgroundHeight_, PixelMask::Kept);
        backgroundLoaded_ = true;
        placement_.angle = 0;
        placementTarget_ = PlacementTarget::Photo;
    }
    posteriseStep_ = 2;
}

void RasterDocument::LoadBackground(CanvasSurface& canvas) {
    backgroundLoaded_ = photoLoaded_;
    backgroundX_ = photoX_;
    backgroundY_ = photoY_;
    backgroundWidth_ = photoWidth_;
    backgroundHeight_ = photoHeight_;
    backgroundX_ = homeX_;
    backgroundY_ = homeY_;
    if (!QFileInfo(backgroundPath_).isFile()) {
        backgroundLoaded_ = false;
        return;
    }
    const QImage& picture = backgroundFile_.Load(backgroundPath_);
    backgroundNaturalWidth_ = picture.width();
    backgroundNaturalHeight_ = picture.height();
    DrawPicture(canvas, picture,
                {backgroundX_, backgroundY_, backgroundNaturalWidth_, backgroundNaturalHeight_, 0});
    backgroundLoaded_ = true;
    backgroundWidth_ = std::min(backgroundNaturalWidth_, kMaxLayerWidth);
    backgroundHeight_ = std::min(backgroundNaturalHeight_, kMaxLayerHeight);
    canvas.ReadRect(backgroundX_, backgroundY_, backgroundWidth_, backgroundHeight_, px_->background.data(),
                    backgroundWidth_);
    std::fill_n(px_->backgroundMask.begin(), backgroundWidth_ * backgroundHeight_, PixelMask::Kept);
    posteriseStep_ = 2;
}

bool RasterDocument::StartPlaceBackground(PlacementTarget target, platform::Prompt& prompt) {
    const QString& path = target == PlacementTarget::Background ? backgroundPath_ : photoPath_;
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        placementTarget_ = target;
        return true;
    }
    prompt.Message(QStringLiteral("请注意,当前图片不存在"));
    return false;
}

// ---------------------------------------------------------------- painting

void RasterDocument::PaintBackgroundLayer(CanvasSurface& canvas) const {
    if (backgroundMode_ != BackgroundMode::Picture || !BackgroundLoaded())
        return;
    QImage& image = canvas.Image();
    const int colFrom = std::max(0, -backgroundX_);
    const int colTo = std::min(backgroundWidth_, canvas.Width() - backgroundX_);
    for (int row = 0; row < backgroundHeight_; ++row) {
        const int y = backgroundY_ + row;
        if (y < 0 || y >= canvas.Height() || colFrom >= colTo)
            continue;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const Colour* src = px_->background.data() + row * backgroundWidth_;
        for (int col = colFrom; col < colTo; ++col)
            line[backgroundX_ + col] = src[col].ToQRgb();
    }
}

void RasterDocument::PaintPhotoLayer(CanvasSurface& canvas) const {
    if (!PhotoLoaded())
        return;
    static const ToneArithmetic::Table dim = ToneArithmetic::MakeTable(ToneArithmetic::Dim);
    const bool sticker = toolMode_ == ToolMode::StickerSelection;
    const bool backgroundPicture = backgroundMode_ == BackgroundMode::Picture;
    const QRgb background = backgroundColour_.ToQRgb();
    QImage& image = canvas.Image();
    const int colFrom = std::max(0, -photoX_);
    const int colTo = std::min(photoWidth_, canvas.Width() - photoX_);
    for (int row = 0; row < photoHeight_; ++row) {
        const int y = photoY_ + row;
        if (y < 0 || y >= canvas.Height() || colFrom >= colTo)
            continue;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y)) + std::max(photoX_, 0);
        const int shift = std::min(photoX_, 0); // line[col + shift] is the pixel of column col
        const Colour* colours = px_->photo.data() + row * photoWidth_;
        const PixelMask* mask = px_->mask.data() + row * photoWidth_;
        if (sticker) {
            for (int col = colFrom; col < colTo; ++col) {
                if (mask[col] == PixelMask::Kept)
                    line[col + shift] = ToneArithmetic::Apply(dim, colours[col]).ToQRgb();
                else if (mask[col] == PixelMask::Marked)
                    line[col + shift] = colours[col].ToQRgb();
            }
        } else {
            for (int col = colFrom; col < colTo; ++col) {
                if (mask[col] == PixelMask::Kept)
                    line[col + shift] = colours[col].ToQRgb();
                else if (!backgroundPicture)
                    line[col + shift] = background;
            }
        }
    }
}

void RasterDocument::PaintMagnifier(CanvasSurface& panel) {
    const IntRect& v = magnifierView_;
    panel.FillRect(v.left, v.top, v.right, v.bottom, kMagnifierFill);
    magnifierZoom_ = kMagnifierZoom;
    const int z = magnifierZoom_;
    const int firstRow = std::max(magnifierRow_, 0);
    const int firstCol = std::max(magnifierColumn_, 0);
    int rowsDrawn = 0, colsDrawn = 0;
    for (int row = firstRow; row < photoHeight_; ++row) {
        const int cellY = v.top + (row - magnifierRow_) * z;
        if (cellY + z > v.bottom)
            break;
        int cols = 0;
        for (int col = firstCol; col < photoWidth_; ++col) {
            const int cellX = v.left + (col - magnifierColumn_) * z;
            if (cellX + z > v.right)
                break;
            panel.FillRect(cellX, cellY, cellX + z, cellY + z, ShownColour(col, row));
            ++cols;
        }
        colsDrawn = std::max(colsDrawn, cols);
        ++rowsDrawn;
    }
    if (rowsDrawn == 0 || colsDrawn == 0)
        return;
    // One-pixel grid along the bottom of every row and the right of every column.
    const int x0 = v.left + (firstCol - magnifierColumn_) * z;
    const int y0 = v.top + (firstRow - magnifierRow_) * z;
    const int x1 = std::min(x0 + colsDrawn * z + 1, v.right);
    const int y1 = std::min(y0 + rowsDrawn * z + 1, v.bottom);
    for (int k = 1; k <= rowsDrawn; ++k) {
        const int y = y0 + k * z;
        if (y < v.bottom)
            panel.FillRect(x0, y, x1, y + 1, kMagnifierGrid);
    }
    for (int k = 1; k <= colsDrawn; ++k) {
        const int x = x0 + k * z;
        if (x < v.right)
            panel.FillRect(x, y0, x + 1, y1, kMagnifierGrid);
    }
}

void RasterDocument::PaintMagnifierCell(CanvasSurface& panel, int column, int row, Colour colour) const {
    const IntRect& v = magnifierView_;
    const long long z = magnifierZoom_;
    const long long left = v.left + column * z + 1, top = v.top + row * z + 1;
    const long long right = left + z - 1, bottom = top + z - 1;
    if (left < v.left || top < v.top || right > v.right || bottom > v.bottom)
        return;
    panel.FillRect(int(left), int(top), int(right), int(bottom), colour);
}

// ---------------------------------------------------------------- fields

BackgroundMode RasterDocument::GetBackground(Colour& colour) const {
    if (backgroundMode_ != BackgroundMode::Picture)
        colour = backgroundColour_;
    return backgroundMode_;
}

void RasterDocument::SetValidArea(QPoint a, QPoint b) {
    validArea_ = {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
                  std::max(a.y(), b.y())};
}

void RasterDocument::SetSelection(int x1, int y1, int x2, int y2) {
    if (x1 == kSelectionClearX) {
        selection_ = {};
        return;
    }
    selection_ = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

IntRect RasterDocument::TakeSelection() {
    const IntRect taken = selection_;
    selection_ = {};
    return taken;
}

void RasterDocument::SetMagnifierOrigin(QPoint canvasPoint) {
    magnifierColumn_ = ClampCoordinate(canvasPoint.x()) - photoX_;
    magnifierRow_ = ClampCoordinate(canvasPoint.y()) - photoY_;
}

Colour RasterDocument::PhotoColour(int column, int row) const {
    return InLayer(column, row) ? px_->photo[size_t(Index(column, row))] : kClearedColour;
}

PixelMask RasterDocument::MaskAt(int column, int row) const {
    return InLayer(column, row) ? px_->mask[size_t(Index(column, row))] : PixelMask::Empty;
}

bool RasterDocument::StrokeTouched(int column, int row) const {
    return InLayer(column, row) && px_->stroke[size_t(Index(column, row))];
}

Colour RasterDocument::BackgroundLayerColour(int column, int row) const {
    if (column < 0 || row < 0 || column >= backgroundWidth_ || row >= backgroundHeight_)
        return kClearedColour;
    return px_->background[size_t(column + row * backgroundWidth_)];
}

Colour RasterDocument::BackgroundAt(int column, int row) const {
    if (backgroundMode_ == BackgroundMode::Picture && BackgroundLoaded()) {
        if (column >= 0 && row >= 0 && column < backgroundWidth_ && row < backgroundHeight_)
            return px_->background[size_t(column + row * backgroundWidth_)];
    }
    return backgroundColour_;
}

Colour RasterDocument::SampleAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= kSamplePatchSize || column >= kSamplePatchSize)
        return Colour(0);
    return px_->sample[size_t(row * kSamplePatchStride + column)];
}

void RasterDocument::SetPhotoPixel(int column, int row, Colour c, PixelMask mask) {
    if (!InLayer(column, row))
        return;
    px_->photo[size_t(Index(column, row))] = c;
    px_->mask[size_t(Index(column, row))] = mask;
}

Colour RasterDocument::ShownColour(int column, int row) const {
    const int i = Index(column, row);
    return px_->mask[size_t(i)] == PixelMask::Kept ? px_->photo[size_t(i)] : BackgroundAt(column, row);
}

void RasterDocument::WriteShown(CanvasSurface& canvas, int column, int row) const {
    canvas.SetPixel(photoX_ + column, photoY_ + row, ShownColour(column, row));
}

// ---------------------------------------------------------------- placement

void RasterDocument::ResetPlacement() {
    placement_.left = photoX_;
    placement_.top = photoY_;
    placement_.width = naturalWidth_;
    placement_.height = naturalHeight_;
}

void RasterDocument::MovePlacement(int dx, int dy) {
    placement_.left = ClampCoordinate(placement_.left + ClampCoordinate(dx));
    placement_.top = ClampCoordinate(placement_.top + ClampCoordinate(dy));
}

bool RasterDocument::ScalePlacement(double factor) {
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

int RasterDocument::RotatePlacement(RotateOp op, int angle) {
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

int RasterDocument::StepBrushRadius(RadiusOp op) {
    if (op == RadiusOp::Down)
        brushRadius_ = std::max(brushRadius_ - 3, 3);
    else if (op == RadiusOp::Up)
        brushRadius_ = std::min(brushRadius_ + 3, 9);
    return brushRadius_;
}

bool RasterDocument::ScrollMagnifier(ScrollOp op) {
    if (!PhotoLoaded())
        return false;
    const int oldColumn = magnifierColumn_, oldRow = magnifierRow_;
    const int columnStep = magnifierColumns_ / 3, rowStep = magnifierRows_ / 3;
    switch (op) {
    case ScrollOp::Left:
        if (magnifierColumn_ > 0)
            magnifierColumn_ = std::max(magnifierColumn_ - columnStep, 0);
        break;
    case ScrollOp::Right:
        if (magnifierColumn_ + magnifierColumns_ < photoWidth_)
            magnifierColumn_ += columnStep;
        break;
    case ScrollOp::Up:
        if (magnifierRow_ > 0)
            magnifierRow_ = std::max(magnifierRow_ - rowStep, 0);
        break;
    case ScrollOp::Down:
        if (magnifierRow_ + magnifierRows_ < photoHeight_)
            magnifierRow_ += rowStep;
        break;
    }
    return magnifierColumn_ != oldColumn || magnifierRow_ != oldRow;
}

void RasterDocument::MovePhoto(int dx, int dy) {
    photoX_ = ClampCoordinate(photoX_ + ClampCoordinate(dx));
    photoY_ = ClampCoordinate(photoY_ + ClampCoordinate(dy));
}

void RasterDocument::ClearPhoto() {
    px_->mask.fill(PixelMask::Empty);
    px_->photo.fill(kClearedColour);
    scale_ = 1.0f;
    photoLoaded_ = false;
    photoWidth_ = 0;
    photoHeight_ = 0;
    magnifierColumn_ = 0;
    magnifierRow_ = 0;
}

void RasterDocument::ResetStrokeMask() {
    if (!PhotoLoaded())
        return;
    std::fill_n(px_->stroke.begin(), LayerSize(), false);
}

void RasterDocument::UndoWand() {
    PixelMask* mask = px_->mask.data();
    for (int i = 0, n = LayerSize(); i < n; ++i)
        mask[i] = mask[i] == PixelMask::WandPending ? PixelMask::Kept : mask[i];
}

void RasterDocument::CommitKeep() {
    if (!PhotoLoaded())
        return;
    PixelMask* mask = px_->mask.data();
    const int n = LayerSize();
    for (int i = 0; i < n; ++i)
        mask[i] = mask[i] == PixelMask::Kept ? PixelMask::Removed : mask[i];
    for (int i = 0; i < n; ++i)
        mask[i] = mask[i] == PixelMask::Marked ? PixelMask::Kept : mask[i];
}

} // namespace vx7::imaging

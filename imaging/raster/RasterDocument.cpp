#include "imaging/raster/RasterDocument.h"

#include "imaging/geometry/EllipsePolygon.h"

#include <algorithm>

namespace vx7::imaging {

void RasterDocument::LoadPhotoCentred(CanvasSurface& canvas, const QString& path) {
    placement_.LoadPhotoCentred(canvas, layers_, path);
}

void RasterDocument::FitPhotoToValidArea(CanvasSurface& canvas) {
    placement_.FitPhotoToValidArea(canvas, layers_);
}

void RasterDocument::DrawPlaced(CanvasSurface& canvas, CaptureOp op) {
    if (placement_.Target() == PlacementTarget::Background) {
        DrawPlacedBackground(canvas, op);
        return;
    }
    placement_.DrawPlacedPhoto(canvas, layers_, op);
}

void RasterDocument::DrawPlacedBackground(CanvasSurface& canvas, CaptureOp op) {
    placement_.DrawPlacedBackground(canvas, layers_, op);
    tone_.ResetPosteriseStep();
}

void RasterDocument::LoadBackground(CanvasSurface& canvas) {
    if (placement_.LoadBackground(canvas, layers_))
        tone_.ResetPosteriseStep();
}

bool RasterDocument::StartPlaceBackground(PlacementTarget target, platform::Prompt& prompt) {
    return placement_.StartPlace(target, prompt);
}

void RasterDocument::PaintBackgroundLayer(CanvasSurface& canvas) const {
    layers_.PaintBackground(canvas);
}

void RasterDocument::PaintPhotoLayer(CanvasSurface& canvas) const {
    layers_.PaintPhoto(canvas, toolMode_ == ToolMode::StickerSelection);
}

void RasterDocument::PaintMagnifier(CanvasSurface& panel) {
    magnifier_.Paint(panel, layers_);
}

void RasterDocument::PaintMagnifierCell(CanvasSurface& panel, int column, int row, Colour colour) const {
    magnifier_.PaintCell(panel, column, row, colour);
}

BackgroundMode RasterDocument::GetBackground(Colour& colour) const {
    if (layers_.Mode() != BackgroundMode::Picture)
        colour = layers_.BackgroundColour();
    return layers_.Mode();
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

void RasterDocument::ClearPhoto() {
    layers_.ClearPhoto();
    placement_.ResetScaleFactor();
    magnifier_.ResetOrigin();
}

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
    cutOut_.FillPolygon(layers_, polygon_, action);
    // The sticker styles keep the polygon so that its outline can be shown.
    if (edges_.Style() == EdgeStyle::Plain)
        polygon_.Clear();
}

void RasterDocument::WandAtMagnifier(QPoint panelPoint) {
    const QPoint pixel = magnifier_.CellToPixel(magnifier_.CellAt(panelPoint));
    WandAt(pixel + layers_.PhotoPosition());
}

void RasterDocument::BuildEllipse(int cx, int cy, int rx, int ry) {
    polygon_.Assign(EllipsePolygon(cx, cy, rx, ry));
}

} // namespace vx7::imaging

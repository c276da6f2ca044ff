#include "editor/document/ComposeCanvas.h"

#include "editor/document/CanvasCaption.h"
#include "editor/document/EditorState.h"
#include "editor/document/MaterialPictureCache.h"
#include "editor/document/MaterialSlots.h"
#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/RasterDocument.h"
#include "materials/MaterialCatalogue.h"

#include <QPainter>

namespace vx7::editor {

namespace {

bool CollectsWorkPolygon(imaging::ToolMode toolMode) {
    using imaging::ToolMode;
    return toolMode == ToolMode::RemovePolygon || toolMode == ToolMode::KeepPolygon ||
           toolMode == ToolMode::SpotlightPolygon;
}

// A one-pixel dotted line of the frame: every other pixel, exclusive-or.
void XorDottedFrame(imaging::CanvasSurface& surface, int left, int top, int right, int bottom,
                    imaging::Colour c) {
    // The outline of [left, right] x [top, bottom] walked once around, so each
    // corner pixel changes exactly once.
    int step = 0;
    auto dot = [&](int x, int y) {
        if (step++ % 2 == 0)
            surface.XorPixel(x, y, c);
    };
    for (int x = left; x < right; ++x)
        dot(x, top);
    for (int y = top; y < bottom; ++y)
        dot(right, y);
    for (int x = right; x > left; --x)
        dot(x, bottom);
    for (int y = bottom; y > top; --y)
        dot(left, y);
}

} // namespace

void PaintMaterials(imaging::CanvasSurface& surface, const CanvasLayers& layers) {
    const QRect area = surface.ClipBox();
    const GroupOffset offset = layers.materials.Offset();
    const int itemCount = layers.catalogue.ItemCount();
    QPainter painter(&surface.Image());
    for (int s = MaterialSlots::kSlotCount - 1; s >= 0; --s) {
        const PlacedMaterial* m = layers.materials.Slot(s);
        if (!m->IsShown() || m->itemIndex < 0 || m->itemIndex >= itemCount)
            continue;
        if (m->width <= 0 || m->height <= 0)
            continue;
        const QImage& picture = layers.pictures.Scaled(layers.catalogue.MaterialPicturePath(m->itemIndex),
                                                       QSize(m->width, m->height));
        if (picture.isNull())
            continue;
        const int left = area.left() + m->centreX + offset.dx - m->width / 2;
        const int top = area.top() + m->centreY + offset.dy - m->height / 2;
        painter.drawImage(left, top, picture);
    }
}

ComposeResult ComposeCanvas(imaging::CanvasSurface& surface, const CanvasLayers& layers, EditorState& state,
                            bool drawValidAreaFrame) {
    ComposeResult result;
    imaging::RasterDocument& raster = layers.raster;
    const QRect area = surface.ClipBox();

    imaging::Colour fill = kBackgroundPictureFill;
    raster.GetBackground(fill);
    surface.Fill(fill);

    if (state.gesture == GestureMode::PlacePicture) {
        if (state.commitPlacement) {
            raster.DrawPlaced(surface, imaging::CaptureOp::Commit);
            state.commitPlacement = false;
            state.SetGesture(GestureMode::None);
            result.gestureEnded = true;
        } else {
            raster.DrawPlaced(surface, imaging::CaptureOp::Preview);
        }
    } else {
        if (state.reloadBackground) {
            raster.LoadBackground(surface);
            state.reloadBackground = false;
        } else {
            raster.PaintBackgroundLayer(surface);
        }
        raster.SetToolMode(state.toolMode);
        raster.PaintPhotoLayer(surface);
        if (CollectsWorkPolygon(state.toolMode))
            raster.DrawWorkPolygon(surface);
        layers.items.DrawItems(surface);
    }

    PaintMaterials(surface, layers);
    {
        QPainter painter(&surface.Image());
        layers.caption.Draw(painter, area.left(), area.top());
    }

    if (!drawValidAreaFrame)
        return result;
    const imaging::IntRect valid = raster.ValidArea();
    // The area's right and bottom are exclusive: the frame runs one pixel
    // outside the first and last column and row of the area.
    XorDottedFrame(surface, valid.left - 1, valid.top - 1, valid.right, valid.bottom, kValidAreaFrame);
    return result;
}

} // namespace vx7::editor

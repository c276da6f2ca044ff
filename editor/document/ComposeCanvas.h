#pragma once

#include "imaging/raster/Colour.h"

namespace vx7::imaging {
class CanvasSurface;
class DrawingItemList;
class RasterDocument;
} // namespace vx7::imaging

namespace vx7::materials {
class MaterialCatalogue;
}

namespace vx7::editor {

class CanvasCaption;
class MaterialPictureCache;
class MaterialSlots;
struct EditorState;

// Everything the canvas is composed of. The references outlive the composer.
struct CanvasLayers {
    imaging::RasterDocument& raster;
    const imaging::DrawingItemList& items;
    const MaterialSlots& materials;
    const materials::MaterialCatalogue& catalogue;
    CanvasCaption& caption;
    MaterialPictureCache& pictures;
};

// What a composition did besides painting.
struct ComposeResult {
    // The placed picture was committed and gesture 22 ended: the canvas tells the window.
    bool gestureEnded = false;
};

// Fill used in background-picture mode before the layers are painted.
inline constexpr imaging::Colour kBackgroundPictureFill = imaging::Colour(0x00F2D3C1u); // RGB(193, 211, 242)
// The dotted frame one pixel outside the valid area, drawn exclusive-or.
inline constexpr imaging::Colour kValidAreaFrame = imaging::Colour(0x00A6A6A6u);

// Paints the whole canvas into surface, bottom to top: background colour,
// (gesture 22: only the picture being placed), background layer (drawn and
// captured anew when state.reloadBackground is set, which it clears), photo
// layer with the state's tool mode, the work polygon of the polygon tools and
// the drawing items, the materials from slot 99 down to slot 0, the caption
// (its drawn rectangle is remembered), and the dotted exclusive-or frame
// around the valid area. With state.commitPlacement in gesture 22 the
// placement is captured and the gesture ends.
//
// The surface is the canvas's memory surface; the raster layers are read back
// from it, so it must be the one the tools draw on.
// Without drawValidAreaFrame the dotted frame is left out (the picture export renders).
ComposeResult ComposeCanvas(imaging::CanvasSurface& surface, const CanvasLayers& layers, EditorState& state,
                            bool drawValidAreaFrame = true);

// The materials layer alone (step 7), with origin the canvas area's top-left.
void PaintMaterials(imaging::CanvasSurface& surface, const CanvasLayers& layers);

} // namespace vx7::editor

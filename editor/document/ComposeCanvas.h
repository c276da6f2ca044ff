#pragma once

#include "editor/document/EditorState.h"
#include "imaging/raster/Colour.h"
#include "imaging/raster/ToolMode.h"

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

// Everything the canvas is composed of. The references outlive the composer.
struct CanvasLayers {
    imaging::RasterDocument& raster;
    const imaging::DrawingItemList& items;
    const MaterialSlots& materials;
    const materials::MaterialCatalogue& catalogue;
    CanvasCaption& caption;
    MaterialPictureCache& pictures;
};

// The canvas's modes as the composition needs them (held by the canvas interaction).
struct ComposeModes {
    GestureMode gesture = GestureMode::None;
    imaging::ToolMode toolMode = imaging::ToolMode::None; // handed to the raster document
    // Gesture 22: the placed picture is committed by this composition.
    bool commitPlacement = false;
    // Export renders without the dotted frame around the valid area.
    bool drawValidAreaFrame = true;
};

// What a composition did besides painting.
struct ComposeResult {
    // The placed picture was committed (DrawPlaced with commit): the caller
    // ends gesture 22 and tells the window.
    bool placementCommitted = false;
};

// Fill used in background-picture mode before the layers are painted.
inline constexpr imaging::Colour kBackgroundPictureFill = imaging::Colour(0x00F2D3C1u); // RGB(193, 211, 242)
// The dotted frame one pixel outside the valid area, drawn exclusive-or.
inline constexpr imaging::Colour kValidAreaFrame = imaging::Colour(0x00A6A6A6u);

// Paints the whole canvas into surface, bottom to top: background colour,
// (gesture 22: only the picture being placed, captured when modes.commitPlacement),
// background layer (drawn and captured anew when state.reloadBackground is
// set, which it clears), photo layer with the tool mode, the work polygon of
// the polygon tools and the drawing items, the materials from slot 99 down to
// slot 0, the caption (its drawn rectangle is remembered), and the dotted
// exclusive-or frame around the valid area.
//
// The surface is the canvas's memory surface; the raster layers are read back
// from it, so it must be the one the tools draw on.
ComposeResult ComposeCanvas(imaging::CanvasSurface& surface, const CanvasLayers& layers, EditorState& state,
                            const ComposeModes& modes);

// The materials layer alone (step 7), with origin the canvas area's top-left.
void PaintMaterials(imaging::CanvasSurface& surface, const CanvasLayers& layers);

} // namespace vx7::editor

#pragma once

namespace vx7::editor {

// What the canvas tells the editor window. The numbers are those of the
// window's notification protocol and stay fixed.
enum class CanvasNotice : int {
    MagnifierMoved = 201107022,  // the magnified area follows the mouse: repaint the panel
    GestureEnded = 201107025,    // gesture 0, pending photo placement cleared, status "---", arrow
    MagnifierChosen = 201107029, // the magnified area was fixed: repaint the panel, status "---------"
    ToolEnded = 201107066,       // status "---------", panel in magnifier view, "化装盒" hidden
};

// The cursor the canvas or the panel shows: a cursor resource number of the
// program, or the standard arrow, or none while a material is dragged.
enum class CanvasCursor : int {
    Hidden = -1,
    Arrow = 0,
    GestureDrag = 149,
    DrawingTool = 150,
    PolygonTool = 156, // also the magnified-area choice
    Brush3 = 157,      // eraser and tone brushes by radius
    Brush6 = 158,
    Brush9 = 159,
    PolygonClose = 160, // the pointer is over the square that closes the polygon
    MagicWand = 161,
    TonePressed = 162,
    MakeupSampled = 163, // sample taken, not painting
    MakeupPainting = 164,
    MakeupNoSample = 165,
    StickerPlain = 183,
    StickerBright = 184,
    StickerFeather = 185,
    StripBottom = 186,
    StripLeft = 187,
    StripRight = 188,
    StripTop = 189,
};

// What the Shift key (or a click on the status line) changed.
enum class ShiftOutcome {
    Nothing,
    WheelActionFlipped, // gesture 22: the wheel now scales or rotates; show the matching prompt
    EdgeStyleStepped,   // sticker selection: the next edge style, cursor already updated
};

} // namespace vx7::editor

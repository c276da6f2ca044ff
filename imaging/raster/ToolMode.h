#pragma once

namespace vx7::imaging {

// Canvas tool codes. The raster tools act on the RasterDocument; the drawing
// tools (1000 to 1005) make items of the DrawingItemList. The numbers are the
// ones the editor's command and mouse protocol passes around, so they stay fixed.
enum class ToolMode : int {
    None = 0,
    Freehand = 1000,
    Rectangle = 1001,
    Circle = 1002,
    Polyline = 1003,
    Arrow = 1004,
    PolygonArea = 1005,
    ChooseMagnifiedArea = 20116001,
    Eraser = 20116002,
    MagicWand = 20116003,
    RemovePolygon = 20116004,
    KeepPolygon = 20116064,
    StickerSelection = 20116201,
    LocalBrighten = 20116301,
    LocalDarken = 20116302,
    MakeupBrush = 20116303,
    ChooseValidArea = 20117026,
    SpotlightPolygon = 20118107,
};

} // namespace vx7::imaging

#pragma once

namespace vx7::imaging {

// Canvas tool codes. The raster tools act on the RasterDocument; the drawing
// tools (1000 to 1005) make items of the DrawingItemList.
struct ToolMode {
    static constexpr int None = 0;
    static constexpr int Freehand = 1000;
    static constexpr int Rectangle = 1001;
    static constexpr int Circle = 1002;
    static constexpr int Polyline = 1003;
    static constexpr int Arrow = 1004;
    static constexpr int PolygonArea = 1005;
    static constexpr int ChooseMagnifiedArea = 20116001;
    static constexpr int Eraser = 20116002;
    static constexpr int MagicWand = 20116003;
    static constexpr int RemovePolygon = 20116004;
    static constexpr int KeepPolygon = 20116064;
    static constexpr int StickerSelection = 20116201;
    static constexpr int LocalBrighten = 20116301;
    static constexpr int LocalDarken = 20116302;
    static constexpr int MakeupBrush = 20116303;
    static constexpr int ChooseValidArea = 20117026;
    static constexpr int SpotlightPolygon = 20118107;
};

} // namespace vx7::imaging

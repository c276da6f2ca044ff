#pragma once

namespace vx7::imaging {

// Per-pixel state of the photo layer, one ASCII byte per pixel.
struct PixelMask {
    static constexpr char Empty = ' ';       // no pixel: shown as background
    static constexpr char Kept = 'A';        // kept photo pixel: shown in its colour
    static constexpr char Removed = 'x';     // removed pixel: shown as background, colour kept
    static constexpr char WandFound = 'a';   // found by the wand, not yet expanded
    static constexpr char WandPending = 'c'; // selected by the last wand click: shown as background
    static constexpr char Marked = 'B';      // marked by a keep polygon or a sticker selection
};

} // namespace vx7::imaging

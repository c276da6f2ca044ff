#pragma once

namespace vx7::imaging {

// Per-pixel state of the photo layer, one byte per pixel. The values are the
// ASCII letters the state has always been written with, so dumps stay readable.
enum class PixelMask : char {
    Empty = ' ',       // no pixel: shown as background
    Kept = 'A',        // kept photo pixel: shown in its colour
    Removed = 'x',     // removed pixel: shown as background, colour kept
    WandFound = 'a',   // found by the wand, not yet expanded
    WandPending = 'c', // selected by the last wand click: shown as background
    Marked = 'B',      // marked by a keep polygon or a sticker selection
};

} // namespace vx7::imaging

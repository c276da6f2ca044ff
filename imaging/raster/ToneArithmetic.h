#pragma once

#include "imaging/raster/Colour.h"

#include <array>
#include <cstdint>

namespace vx7::imaging {

// Per-channel tone rules on one 0..255 channel value. Products are taken in
// double precision and truncated toward zero; results are clamped to 0..255.
struct ToneArithmetic {
    // c * 1.1; +2 when that leaves c unchanged.
    static int BrightenWhole(int c);
    // c * 0.9.
    static int DarkenWhole(int c);
    // c * 1.05; +2 when that leaves c unchanged.
    static int BrightenLocal(int c);
    // c * 0.95; -2 when that leaves c unchanged and c is at least 3.
    static int DarkenLocal(int c);
    // c * 1.3 (spotlight).
    static int Spotlight(int c);
    // c * 0.6 (kept pixels while the sticker selection is shown).
    static int Dim(int c);
    // step * (c / step) in integer division; a step below 2 counts as 2.
    static int Posterise(int c, int step);

    // A 256-entry lookup of one rule, for whole-layer passes.
    using Table = std::array<std::uint8_t, 256>;
    template <class Rule> static Table MakeTable(Rule rule) {
        Table t{};
        for (int c = 0; c < 256; ++c)
            t[static_cast<size_t>(c)] = static_cast<std::uint8_t>(rule(c));
        return t;
    }
    static Colour Apply(const Table& t, Colour c) {
        return Colour(t[static_cast<size_t>(c.Red())] |
                      (std::uint32_t(t[static_cast<size_t>(c.Green())]) << 8) |
                      (std::uint32_t(t[static_cast<size_t>(c.Blue())]) << 16));
    }
};

} // namespace vx7::imaging

#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vx7::converter {

// A picture reduced to a palette: one index per pixel, rows top first.
struct QuantisedPicture {
    int width = 0;
    int height = 0;
    int colours = 0;                         // palette entries in use (1 to 256)
    std::array<std::uint8_t, 768> palette{}; // red, green, blue; entries past colours are zero
    std::vector<std::uint8_t> indices;
};

// Reduces a true-colour picture to at most 256 colours, without dithering.
//
//  1. A histogram of 64 × 64 × 64 cells keeps each cell's pixel count and mean.
//     Pictures of at most maxColours distinct colours keep them exactly.
//  2. Flat colours are kept exactly: a colour that repeats along rows, in runs of
//     at least kFlatRunLength pixels, in at least kFlatRunPixels pixels (as the
//     colour swatches of a reference strip placed beside the picture do) takes a
//     palette entry of its own that no later step moves, up to a quarter of the
//     palette; beyond that, those whose runs start furthest left.
//  3. The other entries start at the means of boxes of cells. Each box knows the cut
//     in two (across one channel, between two cell levels) that lowers the squared
//     error most; the box whose cut gains most is cut, until there is a box per free
//     entry. (Cells that a flat colour serves already are left out.) Should the
//     boxes run out, the rest go by popularity weighed by novelty: the cell with
//     the largest pixel count × squared distance to the entries already taken.
//  4. Weighted k-means steps over the cells (two per pass) move those entries to the
//     means of the cells nearest to them; an entry left without cells restarts at
//     the cell with the largest error.
//  5. The cells moved each entry to the mean of whole cells; the pixels an entry
//     really gets have a better mean. pixelPasses times, the pixels (of every row,
//     or of evenly spaced rows in pictures of more than kSamplePixels pixels) are
//     mapped to their nearest entries and the free entries move to the rounded means
//     of the pixels they got. With every row taken, a pass never raises the error.
//  6. Every pixel gets its exact nearest entry (squared RGB distance), found among
//     the few entries that can be nearest anywhere in its 4 × 4 × 4 box of colours.
// The result depends on the input and options only. Not thread-safe; one quantiser
// may be reused.
class PaletteQuantiser {
  public:
    static constexpr int kFlatRunLength = 8; // shorter runs are common in enlarged photos
    static constexpr int kFlatRunPixels = 32;
    static constexpr int kSamplePixels = 250000; // pixels a pixel pass looks at, about

    struct Options {
        int maxColours = 256; // 2 to 256
        int passes = 4;       // k-means passes over the cells, two steps each
        int pixelPasses = 1;  // passes that move the free entries to the means of their pixels
        bool keepFlatColours = true;
    };

    // pixels: 0xAARRGGBB words (alpha ignored), stride in words.
    QuantisedPicture Quantise(const std::uint32_t* pixels, int width, int height, int stride,
                              const Options& options);
    QuantisedPicture Quantise(const std::uint32_t* pixels, int width, int height, int stride) {
        return Quantise(pixels, width, height, stride, Options());
    }

    // Peak signal-to-noise ratio in dB of the palette picture against the original,
    // over all three channels; +inf when they are equal.
    static double Psnr(const std::uint32_t* pixels, int stride, const QuantisedPicture& picture);
};

} // namespace vx7::converter

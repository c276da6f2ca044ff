#pragma once

#include <QByteArray>

#include <cstdint>

namespace vx7::animation {

// Writes a single-image GIF file in memory: "GIF89a", a screen of the image's size
// with a 256-entry global colour table (packed 0xF7), one image at (0, 0) without a
// local table, not interlaced, minimum code size 8, the data, and the trailer. This
// is the form the copying build path and the readers expect of a one-image GIF.
class GifSingleImageWriter {
  public:
    // pixels: width × height palette indices; palette: 768 bytes of red, green, blue.
    // Empty for a side outside 1 to 65535.
    static QByteArray Write(const std::uint8_t* pixels, int width, int height, const std::uint8_t* palette);
};

} // namespace vx7::animation

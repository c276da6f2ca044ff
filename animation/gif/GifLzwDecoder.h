#pragma once

#include "GifBlockWalker.h"

#include <cstddef>
#include <cstdint>

namespace vx7::animation {

// GIF LZW decoder over the joined bytes of an image's data sub-blocks. Decodes into
// a caller's buffer and never writes past its end nor reads past the data: a code
// beyond the table is an error, data that ends early is reported as truncated.
// Strings are copied from where they were first written in the output, so decoding
// costs little more than a copy of the pixels.
class GifLzwDecoder {
  public:
    enum class Status {
        Complete,  // all count pixels written
        Truncated, // the data or its end code came before the last pixel
        Invalid,   // a code beyond the table, or a bad minimum code size
    };

    // minCodeSize: 2 to 8 (anything else is Invalid). *written receives the number of pixels written.
    static Status Decode(ByteSpan data, int minCodeSize, std::uint8_t* out, std::size_t count,
                         std::size_t* written);
};

} // namespace vx7::animation

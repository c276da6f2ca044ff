#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vx7::animation {

// GIF LZW coder and code packer. For a minimum code size b (8 for every frame the
// program writes) code 2^b clears, 2^b + 1 ends, table entries start at 2^b + 2:
//  - the first code is a clear code at width b + 1;
//  - the width grows by one before a code when the count of codes written since the
//    clear (starting at 2^b + 1) reaches 2^width;
//  - when the table reaches 4096 entries it is emptied and a clear code is written
//    at width 12 before the next code, which is written at width b + 1;
//  - the end code follows the last code; bits are packed least-significant first and
//    the bytes are cut into sub-blocks of at most 255 bytes and a zero terminator.
// The dictionary is a direct table of 256 × 4096 16-bit codes (2 MiB),
// one cell per (byte, prefix code) pair, laid out byte-major so that a run of one
// colour looks up neighbouring cells; emptying it on a table reset clears only the
// cells filled since. Output equals that of any exact lookup. One encoder reuses
// its buffers across frames; it is not thread-safe.
class GifLzwEncoder {
  public:
    GifLzwEncoder();
    ~GifLzwEncoder();
    GifLzwEncoder(const GifLzwEncoder&) = delete;
    GifLzwEncoder& operator=(const GifLzwEncoder&) = delete;

    // Appends the coded pixels as data sub-blocks with their terminator (not the
    // code size byte). Every pixel must be below 2^minCodeSize; count ≥ 1;
    // minCodeSize 2 to 8.
    void Encode(const std::uint8_t* pixels, std::size_t count, int minCodeSize, QByteArray& out);

  private:
    static constexpr int kMaxCodes = 4096;
    std::unique_ptr<std::uint16_t[]> direct_; // 256 × 4096 extension codes, 0 = none
    std::vector<std::uint32_t> used_;         // cells filled since the last reset
    std::vector<std::uint8_t> packed_;
};

} // namespace vx7::animation

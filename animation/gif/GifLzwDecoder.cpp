#include "GifLzwDecoder.h"

#include <cstring>

namespace vx7::animation {

GifLzwDecoder::Status GifLzwDecoder::Decode(ByteSpan data, int minCodeSize, std::uint8_t* out,
                                            std::size_t count, std::size_t* written) {
    *written = 0;
    if (minCodeSize < 2 || minCodeSize > 8)
        return Status::Invalid;
    if (count == 0)
        return Status::Complete;
    const std::uint32_t clearCode = 1u << minCodeSize;
    const std::uint32_t endCode = clearCode + 1;
    const int startWidth = minCodeSize + 1;

    // For every code: where its string was first written in the output, and its length.
    std::uint32_t position[4096];
    std::uint16_t length[4096];

    const std::uint8_t* in = data.data();
    const std::size_t inSize = data.size();
    std::size_t inPos = 0;
    std::uint64_t acc = 0;
    int bits = 0;

    int width = startWidth;
    std::uint32_t mask = (1u << width) - 1;
    std::uint32_t next = endCode + 1;
    bool havePrevious = false;
    std::size_t prevPos = 0, prevLen = 0;
    std::size_t pos = 0;

    for (;;) {
        if (bits < width) {
            // Refill: whole bytes while they fit into the accumulator.
            if (inSize - inPos >= 8) {
                std::uint64_t word;
                std::memcpy(&word, in + inPos, 8);
                const int take = (63 - bits) >> 3; // 6 or 7 whole bytes, as bits < 12
                acc |= (word & ((std::uint64_t{1} << (take * 8)) - 1)) << bits;
                inPos += static_cast<std::size_t>(take);
                bits += take * 8;
            } else {
                while (bits <= 56 && inPos < inSize) {
                    acc |= static_cast<std::uint64_t>(in[inPos++]) << bits;
                    bits += 8;
                }
            }
            if (bits < width) {
                *written = pos;
                return Status::Truncated;
            }
        }
        const std::uint32_t code = static_cast<std::uint32_t>(acc) & mask;
        acc >>= width;
        bits -= width;

        if (code == clearCode) {
            width = startWidth;
            mask = (1u << width) - 1;
            next = endCode + 1;
            havePrevious = false;
            continue;
        }
        if (code == endCode) {
            *written = pos;
            return pos == count ? Status::Complete : Status::Truncated;
        }

        std::size_t len;
        if (code < clearCode) {
            len = 1;
            if (havePrevious && next < 4096) {
                position[next] = static_cast<std::uint32_t>(prevPos);
                length[next] = static_cast<std::uint16_t>(prevLen + 1);
                ++next;
            }
            out[pos] = static_cast<std::uint8_t>(code);
        } else {
            if (!havePrevious || code > next || (code == next && next >= 4096)) {
                *written = pos;
                return Status::Invalid;
            }
            // code == next is the string of the previous code and its own first byte;
            // it is added first, so both cases copy an entry already in the table.
            if (next < 4096) {
                position[next] = static_cast<std::uint32_t>(prevPos);
                length[next] = static_cast<std::uint16_t>(prevLen + 1);
                ++next;
            }
            len = length[code];
            const std::size_t from = position[code];
            std::uint8_t* dst = out + pos;
            const std::uint8_t* src = out + from;
            const std::size_t room = count - pos;
            const std::size_t n = len < room ? len : room;
            if (from + n <= pos) {
                std::memcpy(dst, src, n);
            } else {
                // Overlaps its own first byte (code == next): copy forwards.
                for (std::size_t k = 0; k < n; ++k)
                    dst[k] = src[k];
            }
            if (n < len) {
                *written = count;
                return Status::Complete;
            }
        }
        if (next > mask && width < 12) {
            ++width;
            mask = (1u << width) - 1;
        }
        prevPos = pos;
        prevLen = len;
        havePrevious = true;
        pos += len;
        if (pos >= count) {
            *written = count;
            return Status::Complete;
        }
    }
}

} // namespace vx7::animation

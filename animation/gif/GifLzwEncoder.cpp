#include "GifLzwEncoder.h"

#include <bit>
#include <cstring>

namespace vx7::animation {
namespace {

static_assert(std::endian::native == std::endian::little, "the packer stores words little-endian");

// Packs codes least-significant bit first into a byte buffer sized in advance.
class BitPacker {
  public:
    explicit BitPacker(std::uint8_t* out) : out_(out) {}
    void Put(std::uint32_t code, int width) {
        acc_ |= static_cast<std::uint64_t>(code) << bits_;
        bits_ += width;
        if (bits_ >= 32) {
            const std::uint32_t word = static_cast<std::uint32_t>(acc_);
            std::memcpy(out_, &word, 4); // little-endian target: low bits first
            out_ += 4;
            acc_ >>= 32;
            bits_ -= 32;
        }
    }
    // Writes the remaining bits, the unused high bits of the last byte zero.
    std::uint8_t* Finish() {
        while (bits_ > 0) {
            *out_++ = static_cast<std::uint8_t>(acc_);
            acc_ >>= 8;
            bits_ -= 8;
        }
        return out_;
    }

  private:
    std::uint8_t* out_;
    std::uint64_t acc_ = 0;
    int bits_ = 0;
};

} // namespace

GifLzwEncoder::GifLzwEncoder()
    : direct_(new std::uint16_t[std::size_t{kMaxCodes} * 256]()), used_(kMaxCodes) {}
GifLzwEncoder::~GifLzwEncoder() = default;

void GifLzwEncoder::Encode(const std::uint8_t* pixels, std::size_t count, int minCodeSize, QByteArray& out) {
    if (count == 0 || minCodeSize < 2 || minCodeSize > 8)
        return;
    const std::uint32_t clearCode = 1u << minCodeSize;
    const std::uint32_t endCode = clearCode + 1;
    const std::uint32_t firstFree = clearCode + 2;
    const int startWidth = minCodeSize + 1;

    // At most one code per pixel, a clear code per table fill, the first clear code
    // and the end code, each at most 12 bits, plus the 4-byte tail of the packer.
    const std::size_t maxCodes = count + count / 256 + 4;
    packed_.resize(maxCodes * 12 / 8 + 16);
    BitPacker packer(packed_.data());

    // The dictionary: for every code and byte the code of their extension, 0 when
    // there is none (no extension code is ever 0). used_ lists the filled cells so
    // that emptying the table touches only those.
    std::uint16_t* table = direct_.get();
    std::uint32_t* used = used_.data();
    std::size_t usedCount = 0;
    int width = startWidth;
    std::uint32_t g = clearCode + 1; // codes written since the last clear, offset as the decoder counts
    bool resetPending = false;
    packer.Put(clearCode, startWidth);

    auto EmitCode = [&](std::uint32_t code) {
        if (resetPending) {
            packer.Put(clearCode, 12);
            width = startWidth;
            g = firstFree;
            packer.Put(code, width);
            resetPending = false;
            return;
        }
        if (g >= (1u << width))
            ++width;
        packer.Put(code, width);
        ++g;
    };

    std::uint32_t next = firstFree;
    std::uint32_t w = pixels[0];
    for (std::size_t i = 1; i < count; ++i) {
        const std::uint32_t c = pixels[i];
        // Laid out byte-major: a run of one colour looks up neighbouring cells.
        const std::uint32_t cell = (c << 12) | w;
        const std::uint32_t code = table[cell];
        if (code != 0) {
            w = code;
            continue;
        }
        EmitCode(w);
        if (next < kMaxCodes) {
            table[cell] = static_cast<std::uint16_t>(next);
            used[usedCount++] = cell;
            ++next;
        }
        if (next == kMaxCodes) {
            for (std::size_t k = 0; k < usedCount; ++k)
                table[used[k]] = 0;
            usedCount = 0;
            next = firstFree;
            resetPending = true;
        }
        w = c;
    }
    for (std::size_t k = 0; k < usedCount; ++k)
        table[used[k]] = 0;
    EmitCode(w);
    if (g >= (1u << width) && width < 12)
        ++width;
    packer.Put(endCode, width);
    const std::size_t length = static_cast<std::size_t>(packer.Finish() - packed_.data());

    // Sub-blocks of 255 bytes, the rest in a last shorter one, then the terminator.
    const qsizetype base = out.size();
    out.resize(base + static_cast<qsizetype>(length + (length + 254) / 255 + 1));
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data()) + base;
    const std::uint8_t* src = packed_.data();
    std::size_t left = length;
    while (left > 0) {
        const std::size_t n = left < 255 ? left : 255;
        *dst++ = static_cast<std::uint8_t>(n);
        std::memcpy(dst, src, n);
        dst += n;
        src += n;
        left -= n;
    }
    *dst = 0;
}

} // namespace vx7::animation

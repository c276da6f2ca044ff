#pragma once

#include "GifBlockWalker.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace vx7::animation {

// A palettised frame, the working file between colour reduction and the GIF writer.
// Little-endian layout:
//   0     0x20, 0x00
//   2     6 reserved bytes, written as zero, ignored when read
//   8     width, 16 bits
//   10    height, 16 bits
//   12    768 bytes: 256 palette entries of red, green, blue
//   780   width × height palette indices, top row first, no padding
// Reading refuses a wrong marker, a zero or oversized side and a short file; bytes
// after the pixels are ignored. A PaletteFrameFile object may be read into again and
// again: its pixel buffer only grows.
class PaletteFrameFile {
  public:
    static constexpr std::size_t kHeaderSize = 12;
    static constexpr std::size_t kPaletteSize = 768;
    static constexpr std::size_t kPixelOffset = kHeaderSize + kPaletteSize; // 780
    static constexpr int kMaxSide = 8192;

    int width = 0;
    int height = 0;
    std::array<std::uint8_t, kPaletteSize> palette{};
    std::vector<std::uint8_t> pixels; // at least width × height; only that many are meaningful

    std::size_t PixelCount() const {
        return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    }

    // Parses the bytes of a file. False (object unchanged but for its buffer) with a
    // reason in *error when they are not a usable frame.
    bool Parse(ByteSpan bytes, QString* error = nullptr);
    bool Read(const QString& path, QString* error = nullptr);

    QByteArray ToBytes() const;
    // Writes the 12 header bytes and the 768 palette bytes of a width × height frame
    // to out (kPixelOffset bytes); the pixels follow at out + kPixelOffset.
    static void WriteHead(std::uint8_t* out, int width, int height, const std::uint8_t* palette);
    // Creates or replaces the file.
    bool Write(const QString& path, QString* error = nullptr) const;
};

} // namespace vx7::animation

#include "GifSingleImageWriter.h"
#include "core/LittleEndian.h"

#include "GifLzwEncoder.h"

namespace vx7::animation {
QByteArray GifSingleImageWriter::Write(const std::uint8_t* pixels, int width, int height,
                                       const std::uint8_t* palette) {
    if (width < 1 || height < 1 || width > 0xFFFF || height > 0xFFFF)
        return QByteArray();
    QByteArray out;
    out.reserve(13 + 768 + 11 + width * height / 2 + 64);
    out.append("GIF89a", 6);
    core::AppendLe16(out, width);
    core::AppendLe16(out, height);
    out.append(char(0xF7)); // global table of 256 entries, 8-bit colour resolution
    out.append(char(0));    // background index
    out.append(char(0));    // aspect ratio
    out.append(reinterpret_cast<const char*>(palette), 768);
    out.append(char(0x2C));
    core::AppendLe16(out, 0);
    core::AppendLe16(out, 0);
    core::AppendLe16(out, width);
    core::AppendLe16(out, height);
    out.append(char(0x00)); // no local table, not interlaced
    out.append(char(8));
    // One coder per thread, kept: its dictionary table is worth reusing.
    thread_local GifLzwEncoder encoder;
    encoder.Encode(pixels, static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 8, out);
    out.append(char(0x3B));
    return out;
}

} // namespace vx7::animation

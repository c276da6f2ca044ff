#include "PaletteFrameFile.h"
#include "core/LittleEndian.h"
#include "core/SaveFile.h"

#include "platform/RegularFile.h"

#include <QFile>

#include <cstring>

namespace vx7::animation {
namespace {

void SetError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

} // namespace

bool PaletteFrameFile::Parse(ByteSpan bytes, QString* error) {
    if (bytes.size() < kPixelOffset || bytes[0] != 0x20 || bytes[1] != 0x00) {
        SetError(error, QStringLiteral("not a palette frame file"));
        return false;
    }
    const int w = core::ReadLe16(bytes.data(), 8);
    const int h = core::ReadLe16(bytes.data(), 10);
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) {
        SetError(error, QStringLiteral("frame size %1 x %2 out of range").arg(w).arg(h));
        return false;
    }
    const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    if (bytes.size() - kPixelOffset < count) {
        SetError(error, QStringLiteral("file too short for a %1 x %2 frame").arg(w).arg(h));
        return false;
    }
    width = w;
    height = h;
    std::memcpy(palette.data(), bytes.data() + kHeaderSize, kPaletteSize);
    if (pixels.size() < count)
        pixels.resize(count);
    std::memcpy(pixels.data(), bytes.data() + kPixelOffset, count);
    return true;
}

bool PaletteFrameFile::Read(const QString& path, QString* error) {
    const qint64 limit = static_cast<qint64>(kPixelOffset) + qint64{kMaxSide} * kMaxSide;
    QByteArray bytes;
    if (!platform::ReadRegularFile(path, limit, bytes, error))
        return false;
    return Parse(AsBytes(bytes), error);
}

QByteArray PaletteFrameFile::ToBytes() const {
    const std::size_t count = PixelCount();
    QByteArray out(static_cast<qsizetype>(kPixelOffset + count), '\0');
    auto* p = reinterpret_cast<std::uint8_t*>(out.data());
    WriteHead(p, width, height, palette.data());
    if (count > 0)
        std::memcpy(p + kPixelOffset, pixels.data(), count);
    return out;
}

void PaletteFrameFile::WriteHead(std::uint8_t* p, int width, int height, const std::uint8_t* palette) {
    std::memset(p, 0, kHeaderSize);
    p[0] = 0x20;
    p[1] = 0x00;
    p[8] = static_cast<std::uint8_t>(width & 0xFF);
    p[9] = static_cast<std::uint8_t>(width >> 8);
    p[10] = static_cast<std::uint8_t>(height & 0xFF);
    p[11] = static_cast<std::uint8_t>(height >> 8);
    std::memcpy(p + kHeaderSize, palette, kPaletteSize);
}

bool PaletteFrameFile::Write(const QString& path, QString* error) const {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || pixels.size() < PixelCount()) {
        SetError(error, QStringLiteral("no frame to write"));
        return false;
    }
    if (!core::SaveWholeFile(path, ToBytes())) {
        SetError(error, QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

} // namespace vx7::animation

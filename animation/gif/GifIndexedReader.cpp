#include "GifIndexedReader.h"
#include "core/LittleEndian.h"

#include "GifLzwDecoder.h"

#include <QFile>

#include <cstring>

namespace vx7::animation {

bool GifIndexedReader::ReadFile(const QString& path, QByteArray& bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    if (file.size() > kMaxFileBytes) {
        if (error)
            *error = QStringLiteral("%1 is larger than 64 MiB").arg(path);
        return false;
    }
    bytes = file.readAll();
    return true;
}

int GifIndexedReader::ReadAll(ByteSpan data, const std::function<void(const GifIndexedImage&)>& sink) {
    GifBlockWalker walker(data);
    if (!walker.IsGif())
        return -1;
    const int screenWidth = core::ReadLe16(data.data(), 6);
    const int screenHeight = core::ReadLe16(data.data(), 8);
    const std::uint8_t packed = data[10];
    global_.fill(0);
    if (packed & 0x80) {
        const std::size_t entries = 2u << (packed & 7);
        std::memcpy(global_.data(), data.data() + GifBlockWalker::kHeaderSize, 3 * entries);
    }
    int decoded = 0;
    std::optional<GifGraphicControl> control;
    while (const auto block = walker.Next()) {
        if (block->kind == GifBlockKind::GraphicControl) {
            control = GifBlockWalker::ReadGraphicControl(data, *block);
        } else if (block->kind == GifBlockKind::Image) {
            image_.delay = control ? control->delay : -1;
            image_.disposal = control ? control->disposal : 0;
            image_.transparentIndex = control ? control->transparentIndex : -1;
            control.reset();
            if (DecodeImage(data, *block, screenWidth, screenHeight)) {
                ++decoded;
                sink(image_);
            }
        }
    }
    return decoded;
}

bool GifIndexedReader::ReadLast(ByteSpan data, GifIndexedImage& out, QString* error) {
    bool any = false;
    const int n = ReadAll(data, [&](const GifIndexedImage& image) {
        out.left = image.left;
        out.top = image.top;
        out.width = image.width;
        out.height = image.height;
        out.interlaced = image.interlaced;
        out.palette = image.palette;
        out.delay = image.delay;
        out.disposal = image.disposal;
        out.transparentIndex = image.transparentIndex;
        out.pixels.assign(image.pixels.begin(), image.pixels.end());
        any = true;
    });
    if (!any && error)
        *error = n < 0 ? QStringLiteral("not a GIF file") : QStringLiteral("no image could be decoded");
    return any;
}

bool GifIndexedReader::DecodeImage(ByteSpan data, const GifBlock& block, int screenWidth, int screenHeight) {
    const GifImageDescriptor d = GifBlockWalker::ReadImage(data, block);
    if (d.width < 1 || d.height < 1 || d.width > kMaxSide || d.height > kMaxSide ||
        qint64{d.width} * d.height > kMaxPixels || d.left + d.width > screenWidth ||
        d.top + d.height > screenHeight)
        return false;
    const int codeSize = data[d.codeSizePosition];
    if (codeSize < 2 || codeSize > 8)
        return false;

    // Join the sub-blocks (the walker has checked that they lie inside the data).
    joined_.resize(d.dataLength);
    std::size_t n = 0;
    for (std::size_t p = d.dataPosition; data[p] != 0; p += data[p] + 1u) {
        std::memcpy(joined_.data() + n, data.data() + p + 1, data[p]);
        n += data[p];
    }

    const std::size_t count = static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.height);
    std::vector<std::uint8_t>& target = d.interlaced ? rows_ : image_.pixels;
    target.resize(count);
    std::size_t written = 0;
    const auto status =
        GifLzwDecoder::Decode(ByteSpan(joined_.data(), n), codeSize, target.data(), count, &written);
    if (status != GifLzwDecoder::Status::Complete)
        return false;

    image_.left = d.left;
    image_.top = d.top;
    image_.width = d.width;
    image_.height = d.height;
    image_.interlaced = d.interlaced;
    image_.palette = global_;
    if (d.localTableEntries > 0)
        std::memcpy(image_.palette.data(), data.data() + d.tablePosition,
                    3u * static_cast<std::size_t>(d.localTableEntries));
    if (d.interlaced) {
        // Rows arrive in four passes: every 8th from 0, every 8th from 4, every 4th
        // from 2, every 2nd from 1.
        image_.pixels.resize(count);
        const std::size_t w = static_cast<std::size_t>(d.width);
        const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
        const std::uint8_t* src = rows_.data();
        for (int pass = 0; pass < 4; ++pass) {
            for (int y = starts[pass]; y < d.height; y += steps[pass]) {
                std::memcpy(image_.pixels.data() + static_cast<std::size_t>(y) * w, src, w);
                src += w;
            }
        }
    }
    return true;
}

} // namespace vx7::animation

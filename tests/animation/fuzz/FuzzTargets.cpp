#include "FuzzTargets.h"

#include "animation/gif/GifBlockWalker.h"
#include "animation/gif/GifFrameSplitter.h"
#include "animation/gif/GifIndexedReader.h"
#include "animation/gif/GifLzwDecoder.h"
#include "animation/gif/GifLzwEncoder.h"
#include "animation/gif/PaletteFrameFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vx7::fuzz {

using namespace vx7::animation;

namespace {
#define Check(condition) CheckInvariant((condition), #condition)

void CheckInvariant(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
} // namespace

Outcome BlockWalker(const std::uint8_t* data, std::size_t size) {
    const ByteSpan bytes(data, size);
    GifBlockWalker walker(bytes);
    std::size_t sum = 0;
    std::size_t images = 0;
    while (const auto block = walker.Next()) {
        Check(block->length > 0 && block->position + block->length <= size);
        // Every byte of a block may be read.
        sum += data[block->position] + data[block->position + block->length - 1];
        if (block->kind == GifBlockKind::Image) {
            const GifImageDescriptor d = GifBlockWalker::ReadImage(bytes, *block);
            Check(d.dataPosition + d.dataLength == block->position + block->length);
            Check(data[d.dataPosition + d.dataLength - 1] == 0);
            ++images;
        } else if (block->kind == GifBlockKind::GraphicControl) {
            GifBlockWalker::ReadGraphicControl(bytes, *block);
        }
    }
    (void)sum;
    return {walker.IsGif() && !walker.Failed(), images};
}

Outcome LzwDecoder(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return {};
    const int codeSize = data[0] % 10;
    const std::size_t count = data[1] | (data[2] << 8);
    std::vector<std::uint8_t> out(count + 16, 0xA5);
    std::size_t written = 0;
    const auto status =
        GifLzwDecoder::Decode(ByteSpan(data + 3, size - 3), codeSize, out.data(), count, &written);
    Check(written <= count);
    Check(status != GifLzwDecoder::Status::Complete || written == count);
    for (std::size_t i = count; i < out.size(); ++i)
        Check(out[i] == 0xA5);
    return {status == GifLzwDecoder::Status::Complete, written};
}

Outcome LzwRoundTrip(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return {};
    GifLzwEncoder encoder;
    QByteArray blocks;
    encoder.Encode(data, size, 8, blocks);
    std::vector<std::uint8_t> joined;
    for (qsizetype p = 0; p < blocks.size() && blocks[p] != 0; p += static_cast<std::uint8_t>(blocks[p]) + 1)
        joined.insert(joined.end(), blocks.begin() + p + 1,
                      blocks.begin() + p + 1 + static_cast<std::uint8_t>(blocks[p]));
    std::vector<std::uint8_t> back(size);
    std::size_t written = 0;
    Check(GifLzwDecoder::Decode(ByteSpan(joined.data(), joined.size()), 8, back.data(), size, &written) ==
          GifLzwDecoder::Status::Complete);
    Check(std::memcmp(back.data(), data, size) == 0);
    return {true, size};
}

Outcome PaletteFrameReader(const std::uint8_t* data, std::size_t size) {
    PaletteFrameFile frame;
    if (!frame.Parse(ByteSpan(data, size)))
        return {};
    Check(frame.pixels.size() >= frame.PixelCount());
    Check(PaletteFrameFile::kPixelOffset + frame.PixelCount() <= size);
    const QByteArray again = frame.ToBytes();
    Check(std::memcmp(again.constData() + 8, data + 8, static_cast<std::size_t>(again.size()) - 8) == 0);
    return {true, frame.PixelCount()};
}

Outcome FrameSplitter(const std::uint8_t* data, std::size_t size) {
    const auto split = GifFrameSplitter::Split(ByteSpan(data, size));
    if (!split)
        return {};
    for (const auto& f : split->frames) {
        Check(f.gif.size() > 13 && f.gif.back() == char(0x3B));
        Check(f.width > 0 && f.height > 0);
        Check(f.left + f.width <= split->screenWidth && f.top + f.height <= split->screenHeight);
    }
    return {true, split->frames.size()};
}

Outcome IndexedReader(const std::uint8_t* data, std::size_t size) {
    GifIndexedReader reader;
    std::size_t seen = 0;
    const int decoded = reader.ReadAll(ByteSpan(data, size), [&seen](const GifIndexedImage& image) {
        Check(image.pixels.size() ==
              static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
        ++seen;
    });
    Check(decoded < 0 ? seen == 0 : std::size_t(decoded) == seen);
    return {decoded > 0, seen};
}

} // namespace vx7::fuzz

#include "GifBlockWalker.h"
#include "core/LittleEndian.h"

namespace vx7::animation {

GifBlockWalker::GifBlockWalker(ByteSpan data) : data_(data), start_(StreamStart(data)) {
    if (start_)
        cursor_ = *start_;
    else {
        done_ = true;
        failed_ = true;
    }
}

std::optional<std::size_t> GifBlockWalker::StreamStart(ByteSpan data) {
    if (data.size() < kHeaderSize || data[0] != 'G' || data[1] != 'I' || data[2] != 'F')
        return std::nullopt;
    std::size_t start = kHeaderSize;
    const std::uint8_t packed = data[10];
    if (packed & 0x80)
        start += 3u * (2u << (packed & 7));
    if (start > data.size())
        return std::nullopt;
    return start;
}

std::optional<std::size_t> GifBlockWalker::SubBlocksLength(ByteSpan data, std::size_t position) {
    std::size_t p = position;
    const std::size_t n = data.size();
    while (p < n) {
        const std::size_t len = data[p];
        if (len == 0)
            return p + 1 - position;
        p += len + 1;
    }
    return std::nullopt;
}

std::optional<GifBlock> GifBlockWalker::Next() {
    if (done_)
        return std::nullopt;
    const std::size_t n = data_.size();
    const std::size_t p = cursor_;
    if (p >= n) {
        // The data ends without a trailer; the blocks before still count.
        done_ = true;
        return std::nullopt;
    }
    GifBlock block;
    block.position = p;
    const std::uint8_t introducer = data_[p];
    if (introducer == 0x3B) {
        block.kind = GifBlockKind::Trailer;
        block.length = 1;
        done_ = true;
        cursor_ = p + 1;
        return block;
    }
    std::optional<std::size_t> length;
    if (introducer == 0x21 && p + 1 < n) {
        switch (data_[p + 1]) {
        case 0xFF:
            block.kind = GifBlockKind::ApplicationExtension;
            break;
        case 0xFE:
            block.kind = GifBlockKind::CommentExtension;
            break;
        case 0xF9:
            block.kind = GifBlockKind::GraphicControl;
            break;
        case 0x01:
            block.kind = GifBlockKind::PlainText;
            break;
        default:
            block.kind = GifBlockKind::OtherExtension;
            break;
        }
        // Every extension is its label followed by sub-blocks: the fixed parts of the
        // application (11 bytes), plain text (12) and graphic control (4) extensions
        // are themselves the first sub-block.
        if (const auto sub = SubBlocksLength(data_, p + 2))
            length = 2 + *sub;
    } else if (introducer == 0x2C && p + 10 <= n) {
        block.kind = GifBlockKind::Image;
        const std::uint8_t packed = data_[p + 9];
        std::size_t q = p + 10;
        if (packed & 0x80)
            q += 3u * (2u << (packed & 7));
        // q is the code size byte; the sub-blocks follow it.
        if (q + 1 < n) {
            if (const auto sub = SubBlocksLength(data_, q + 1))
                length = q + 1 + *sub - p;
        }
    }
    if (!length || *length == 0 || p + *length > n) {
        done_ = true;
        failed_ = true;
        return std::nullopt;
    }
    block.length = *length;
    cursor_ = p + *length;
    return block;
}

GifImageDescriptor GifBlockWalker::ReadImage(ByteSpan data, const GifBlock& image) {
    GifImageDescriptor d;
    const std::size_t p = image.position;
    d.left = core::ReadLe16(data.data(), p + 1);
    d.top = core::ReadLe16(data.data(), p + 3);
    d.width = core::ReadLe16(data.data(), p + 5);
    d.height = core::ReadLe16(data.data(), p + 7);
    d.packed = data[p + 9];
    d.interlaced = (d.packed & 0x40) != 0;
    std::size_t q = p + 10;
    if (d.packed & 0x80) {
        d.localTableEntries = 2 << (d.packed & 7);
        d.tablePosition = q;
        q += 3u * static_cast<std::size_t>(d.localTableEntries);
    }
    d.codeSizePosition = q;
    d.dataPosition = q + 1;
    d.dataLength = image.position + image.length - d.dataPosition;
    return d;
}

std::optional<GifGraphicControl> GifBlockWalker::ReadGraphicControl(ByteSpan data,
                                                                    const GifBlock& extension) {
    const std::size_t p = extension.position;
    // 0x21 0xF9, size byte, packed, delay (2), transparent index: 7 bytes at least.
    if (extension.length < 7 || data[p + 2] < 4)
        return std::nullopt;
    GifGraphicControl g;
    g.packed = data[p + 3];
    g.disposal = (g.packed >> 2) & 7;
    g.delay = core::ReadLe16(data.data(), p + 4);
    g.transparentIndex = (g.packed & 1) ? data[p + 6] : -1;
    return g;
}

} // namespace vx7::animation

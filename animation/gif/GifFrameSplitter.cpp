#include "GifFrameSplitter.h"
#include "core/LittleEndian.h"

#include "animation/AnimationLog.h"

#include <QBuffer>
#include <QImageReader>

namespace vx7::animation {
namespace {

struct FoundImage {
    std::optional<GifBlock> control;
    GifBlock image;
};

bool FitsScreen(const GifImageDescriptor& d, int screenWidth, int screenHeight) {
    return d.width > 0 && d.height > 0 && screenWidth <= GifFrameSplitter::kMaxSide &&
           screenHeight <= GifFrameSplitter::kMaxSide && d.left + d.width <= screenWidth &&
           d.top + d.height <= screenHeight;
}

QImage DecodeGif(const QByteArray& gif) {
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    return reader.read();
}

} // namespace

std::optional<GifSplit> GifFrameSplitter::Split(ByteSpan data) {
    GifBlockWalker walker(data);
    if (!walker.IsGif())
        return std::nullopt;
    GifSplit split;
    split.screenWidth = core::ReadLe16(data.data(), 6);
    split.screenHeight = core::ReadLe16(data.data(), 8);
    const std::uint8_t packed = data[10];
    const std::size_t headerEnd = *GifBlockWalker::StreamStart(data);
    if (packed & 0x80) {
        const int entries = 2 << (packed & 7);
        const int index = data[11];
        if (index < entries) {
            const std::size_t at = GifBlockWalker::kHeaderSize + 3u * static_cast<std::size_t>(index);
            split.background = qRgb(data[at], data[at + 1], data[at + 2]);
        }
    }

    std::vector<FoundImage> images;
    std::optional<GifBlock> pendingControl;
    while (const auto block = walker.Next()) {
        if (block->kind == GifBlockKind::GraphicControl) {
            pendingControl = block;
        } else if (block->kind == GifBlockKind::Image) {
            images.push_back({pendingControl, *block});
            pendingControl.reset();
        }
    }
    split.imageCount = static_cast<int>(images.size());
    if (images.size() < 2)
        return split;

    const char* bytes = reinterpret_cast<const char*>(data.data());
    for (const FoundImage& found : images) {
        const GifImageDescriptor d = GifBlockWalker::ReadImage(data, found.image);
        if (!FitsScreen(d, split.screenWidth, split.screenHeight)) {
            qCDebug(lcAnimation) << "frame skipped: image" << d.width << "x" << d.height << "at" << d.left
                                 << d.top << "does not fit the screen";
            continue;
        }
        GifFrameSlice slice;
        slice.left = d.left;
        slice.top = d.top;
        slice.width = d.width;
        slice.height = d.height;
        std::size_t from = found.image.position;
        if (found.control) {
            if (const auto g = GifBlockWalker::ReadGraphicControl(data, *found.control)) {
                slice.delay = g->delay;
                slice.disposal = g->disposal;
                slice.transparentIndex = g->transparentIndex;
            }
            from = found.control->position;
        }
        const std::size_t to = found.image.position + found.image.length;
        slice.gif.reserve(static_cast<qsizetype>(headerEnd + (to - from) + 1));
        slice.gif.append(bytes, static_cast<qsizetype>(headerEnd));
        slice.gif.append(bytes + from, static_cast<qsizetype>(to - from));
        slice.gif.append(char(0x3B));
        split.frames.push_back(std::move(slice));
    }
    return split;
}

std::optional<GifFrameSet> GifFrameSplitter::Load(const QByteArray& data) {
    const auto split = Split(AsBytes(data));
    GifFrameSet set;
    if (split && split->imageCount > 1) {
        if (split->screenWidth <= 0 || split->screenHeight <= 0 || split->screenWidth > kMaxSide ||
            split->screenHeight > kMaxSide)
            return std::nullopt;
        set.screen = QSize(split->screenWidth, split->screenHeight);
        set.background = split->background.value_or(qRgb(0, 0, 0));
        const QRect screenRect(QPoint(0, 0), set.screen);
        for (const GifFrameSlice& slice : split->frames) {
            QImage picture = DecodeGif(slice.gif);
            if (picture.isNull()) {
                qCDebug(lcAnimation) << "frame skipped: the decoder refused it";
                continue;
            }
            GifFrameRecord record;
            record.left = slice.left;
            record.top = slice.top;
            record.width = slice.width;
            record.height = slice.height;
            record.delay = slice.delay;
            record.disposal = slice.disposal;
            // Decoders paint a frame onto a picture of the logical screen's size; keep
            // only the frame's own area so that composing it covers nothing else.
            if (picture.size() == set.screen && record.Rect() != screenRect)
                picture = picture.copy(record.Rect());
            record.picture = std::move(picture);
            set.frames.push_back(std::move(record));
        }
        if (set.frames.empty())
            return std::nullopt;
        return set;
    }
    QImage still = QImage::fromData(data);
    if (still.isNull())
        return std::nullopt;
    set.screen = still.size();
    if (split) {
        // A one-image GIF keeps its logical screen size.
        if (split->screenWidth > 0 && split->screenHeight > 0 && split->screenWidth <= kMaxSide &&
            split->screenHeight <= kMaxSide)
            set.screen = QSize(split->screenWidth, split->screenHeight);
        set.background = split->background.value_or(qRgb(0, 0, 0));
    }
    set.still = std::move(still);
    return set;
}

} // namespace vx7::animation

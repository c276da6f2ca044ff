#include "editor/document/MaterialPictureCache.h"

#include <QImageReader>

#include <algorithm>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STBIR_ASSERT(x) ((void)0)
#include <stb/stb_image_resize.h>

namespace vx7::editor {

namespace {

// Pictures above this many pixels are refused rather than decoded: a
// material is a small PNG, and a huge file must not stall the canvas.
constexpr qint64 kLargestPicturePixels = 4096LL * 4096LL;

QImage Decode(const QString& path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && static_cast<qint64>(size.width()) * size.height() > kLargestPicturePixels)
        return {};
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QImage ScaleBicubic(const QImage& source, QSize size) {
    if (source.isNull() || size.width() <= 0 || size.height() <= 0)
        return {};
    // Resampling premultiplied pixels keeps transparent edges from bleeding colour.
    const QImage in = source.format() == QImage::Format_ARGB32_Premultiplied
                          ? source
                          : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (in.size() == size)
        return in;
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return {};
    // In memory an ARGB32 pixel is B, G, R, A on this byte order; alpha is channel 3.
    const int ok = stbir_resize_uint8_generic(
        in.constBits(), in.width(), in.height(), static_cast<int>(in.bytesPerLine()), out.bits(), out.width(),
        out.height(), static_cast<int>(out.bytesPerLine()), 4, 3, STBIR_FLAG_ALPHA_PREMULTIPLIED,
        STBIR_EDGE_CLAMP, STBIR_FILTER_CATMULLROM, STBIR_COLORSPACE_LINEAR, nullptr);
    if (!ok)
        return {};
    // The bicubic filter overshoots at hard edges; a premultiplied colour
    // channel must never exceed its alpha.
    for (int y = 0; y < out.height(); ++y) {
        auto* px = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(px[x]);
            px[x] = qRgba(std::min(qRed(px[x]), a), std::min(qGreen(px[x]), a), std::min(qBlue(px[x]), a), a);
        }
    }
    return out;
}

const QImage& MaterialPictureCache::Picture(const QString& path) {
    auto it = entries_.find(path);
    if (it == entries_.end())
        it = entries_.insert(path, Entry{Decode(path), {}});
    return it->picture;
}

const QImage& MaterialPictureCache::Scaled(const QString& path, QSize size) {
    const QImage& picture = Picture(path);
    if (!caching_) {
        uncached_ = ScaleBicubic(picture, size);
        return uncached_;
    }
    Entry& entry = entries_[path];
    for (auto it = entry.scaled.begin(); it != entry.scaled.end(); ++it) {
        if (it->size() == size) {
            std::rotate(entry.scaled.begin(), it, it + 1);
            return entry.scaled.front();
        }
    }
    QImage scaled = ScaleBicubic(picture, size);
    if (scaled.isNull()) {
        uncached_ = QImage();
        return uncached_;
    }
    entry.scaled.insert(entry.scaled.begin(), std::move(scaled));
    if (entry.scaled.size() > static_cast<size_t>(kSizesKept))
        entry.scaled.pop_back();
    return entry.scaled.front();
}

void MaterialPictureCache::Clear() {
    entries_.clear();
    uncached_ = QImage();
}

} // namespace vx7::editor

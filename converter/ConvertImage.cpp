// libImage66Conver123ter: the image converter the main program loads at run time.
// ConvertImage reduces a picture file to at most 256 colours and writes it as a
// single-image GIF of the picture's size. ConvertImagePixels does the same reduction
// on a picture already in memory and hands back the palette and the indices, for
// callers that would otherwise save the picture only for it to be read here, and
// decode the GIF only to code the indices again.
#include "animation/gif/GifSingleImageWriter.h"
#include "converter/PaletteQuantiser.h"
#include "core/SaveFile.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Largest picture converted, in pixels: a 1.5-wide composite of an 8192 × 8192 frame.
constexpr qint64 kMaxPixels = qint64{12288} * 8192;

bool SizeAccepted(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= 0xFFFF && height <= 0xFFFF && width * height <= kMaxPixels;
}

QImage LoadRgb(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64{size.width()} * size.height() > kMaxPixels)
        return QImage();
    const QImage image = reader.read();
    if (image.isNull() || image.width() > 0xFFFF || image.height() > 0xFFFF)
        return QImage();
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    // Transparent parts are shown over white.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

// The one reduction both exports make: the same options from the same integers, so
// that a picture gives the same palette and indices whichever way it comes in.
vx7::converter::QuantisedPicture Reduce(const std::uint32_t* pixels, int width, int height, int stride,
                                        int keepFlat, int quality) {
    vx7::converter::PaletteQuantiser quantiser;
    vx7::converter::PaletteQuantiser::Options options;
    options.keepFlatColours = keepFlat != 0;
    options.passes = 2 + std::clamp(quality, 0, 100) / 25;
    return quantiser.Quantise(pixels, width, height, stride, options);
}

} // namespace

// source, target: null-terminated UTF-16 paths. The six integers are the caller's
// fixed request (0, 0, 0, 1, 50, 0): the fourth, when not zero, keeps flat colours
// (such as a reference strip's) exactly; the fifth is a quality from 0 to 100 that
// sets the refinement passes (50 gives 4); the others are reserved. Returns 1 when
// the GIF was written, 0 otherwise; the target is left untouched on failure.
// (On this platform there is one calling convention; the callee-clears rule of the
// original interface has no counterpart.)
extern "C" __attribute__((visibility("default"))) int
ConvertImage(const char16_t* source, const char16_t* target, int, int, int, int keepFlat, int quality, int) {
    if (!source || !target)
        return 0;
    const QImage picture = LoadRgb(QString::fromUtf16(source));
    if (picture.isNull())
        return 0;
    const auto reduced =
        Reduce(reinterpret_cast<const std::uint32_t*>(picture.constBits()), picture.width(), picture.height(),
               static_cast<int>(picture.bytesPerLine() / 4), keepFlat, quality);
    if (reduced.colours == 0)
        return 0;
    const QByteArray gif = vx7::animation::GifSingleImageWriter::Write(
        reduced.indices.data(), reduced.width, reduced.height, reduced.palette.data());
    if (gif.isEmpty())
        return 0;
    return vx7::core::SaveWholeFile(QString::fromUtf16(target), gif) ? 1 : 0;
}

// pixels: width × height words 0xAARRGGBB, rows top first, stride words apart; the
// alpha byte is ignored (the caller shows transparent parts over white first). The
// six integers as for ConvertImage. On success writes the 256 palette entries (768
// bytes of red, green, blue; entries past those in use are zero) and width × height
// indices, rows top first without padding, and returns the entries in use (1 to
// 256). Returns 0 and writes nothing for a missing buffer or a size ConvertImage
// would refuse. The palette and indices equal those of the GIF that ConvertImage
// writes for a file holding the same pixels.
extern "C" __attribute__((visibility("default"))) int
ConvertImagePixels(const std::uint32_t* pixels, int width, int height, int stride, int, int, int,
                   int keepFlat, int quality, int, std::uint8_t* palette, std::uint8_t* indices) {
    if (!pixels || !palette || !indices || !SizeAccepted(width, height) || stride < width)
        return 0;
    const auto reduced = Reduce(pixels, width, height, stride, keepFlat, quality);
    if (reduced.colours == 0 || reduced.width != width || reduced.height != height)
        return 0;
    std::memcpy(palette, reduced.palette.data(), reduced.palette.size());
    std::memcpy(indices, reduced.indices.data(),
                static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    return reduced.colours;
}

#include "ReferencePicture.h"
#include "core/SaveFile.h"

#include "animation/gif/GifSingleImageWriter.h"

#include <array>

namespace vx7::animation {

const std::vector<QRgb>& ReferencePicture::Colours() {
    static const std::vector<QRgb> colours = {
        // White, black and greys.
        qRgb(255, 255, 255),
        qRgb(0, 0, 0),
        qRgb(64, 64, 64),
        qRgb(128, 128, 128),
        qRgb(192, 192, 192),
        // Primaries and secondaries.
        qRgb(255, 0, 0),
        qRgb(0, 255, 0),
        qRgb(0, 0, 255),
        qRgb(255, 255, 0),
        qRgb(0, 255, 255),
        qRgb(255, 0, 255),
        // Skin tones, light to dark.
        qRgb(255, 224, 196),
        qRgb(250, 210, 180),
        qRgb(241, 194, 167),
        qRgb(234, 182, 150),
        qRgb(224, 172, 140),
        qRgb(210, 160, 125),
        qRgb(198, 134, 100),
        qRgb(180, 120, 90),
        qRgb(160, 100, 75),
        qRgb(141, 85, 60),
        qRgb(110, 70, 50),
        qRgb(90, 56, 40),
        // Lips and make-up.
        qRgb(200, 80, 90),
        qRgb(170, 50, 70),
        // Hair.
        qRgb(40, 30, 25),
        qRgb(90, 60, 40),
        qRgb(150, 110, 70),
        // Garment colours.
        qRgb(20, 30, 80),
        qRgb(130, 20, 30),
        qRgb(110, 30, 60),
        qRgb(193, 154, 107),
        qRgb(225, 205, 170),
        qRgb(190, 180, 140),
        qRgb(100, 110, 50),
        qRgb(30, 90, 50),
        qRgb(0, 120, 120),
        qRgb(120, 180, 230),
        qRgb(40, 70, 170),
        qRgb(100, 50, 140),
        qRgb(190, 170, 220),
        qRgb(240, 170, 190),
        qRgb(230, 60, 140),
        qRgb(240, 130, 40),
        qRgb(210, 170, 40),
        qRgb(110, 70, 40),
        qRgb(50, 50, 55),
        qRgb(250, 245, 230),
    };
    return colours;
}

QImage ReferencePicture::Make() {
    const auto& colours = Colours();
    const int rows = (static_cast<int>(colours.size()) + kColumns - 1) / kColumns;
    QImage picture(kColumns * kSwatch, rows * kSwatch, QImage::Format_Indexed8);
    QList<QRgb> table(colours.begin(), colours.end());
    picture.setColorTable(table);
    picture.fill(0); // white where a last row is not full
    for (int i = 0; i < static_cast<int>(colours.size()); ++i) {
        const int x0 = (i % kColumns) * kSwatch, y0 = (i / kColumns) * kSwatch;
        for (int y = y0; y < y0 + kSwatch; ++y)
            std::fill_n(picture.scanLine(y) + x0, kSwatch, static_cast<uchar>(i));
    }
    return picture;
}

bool ReferencePicture::Write(const QString& path, QString* error) {
    const QImage picture = Make();
    std::array<std::uint8_t, 768> palette{};
    const auto& colours = Colours();
    for (size_t i = 0; i < colours.size(); ++i) {
        palette[3 * i] = static_cast<std::uint8_t>(qRed(colours[i]));
        palette[3 * i + 1] = static_cast<std::uint8_t>(qGreen(colours[i]));
        palette[3 * i + 2] = static_cast<std::uint8_t>(qBlue(colours[i]));
    }
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<size_t>(picture.width() * picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        pixels.insert(pixels.end(), picture.constScanLine(y), picture.constScanLine(y) + picture.width());
    const QByteArray gif =
        GifSingleImageWriter::Write(pixels.data(), picture.width(), picture.height(), palette.data());
    if (gif.isEmpty() || !core::SaveWholeFile(path, gif)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace vx7::animation

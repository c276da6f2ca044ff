#include "GifImageEncoder.h"
#include "core/SaveFile.h"

#include "GifSingleImageWriter.h"
#include "core/ImageFiles.h"

#include <QPainter>

namespace vx7::animation {
namespace {

struct FixedPalette {
    std::array<std::uint8_t, 768> rgb{};
    std::array<std::uint8_t, 256> cubeLevel{}; // channel value → nearest cube level index 0..5
    std::array<std::uint8_t, 766> greyIndex{}; // r + g + b → nearest grey's palette index
    std::array<std::uint8_t, 256> greyValue{}; // palette index → grey value (greys only)

    FixedPalette() {
        int n = 0;
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b, ++n) {
                    rgb[static_cast<size_t>(3 * n)] = static_cast<std::uint8_t>(51 * r);
                    rgb[static_cast<size_t>(3 * n + 1)] = static_cast<std::uint8_t>(51 * g);
                    rgb[static_cast<size_t>(3 * n + 2)] = static_cast<std::uint8_t>(51 * b);
                }
        // Greys between the cube's: eight between each pair of neighbouring cube greys.
        for (int step = 0; step < 5; ++step)
            for (int k = 1; k <= 8; ++k, ++n) {
                const int v = 51 * step + (51 * k + 4) / 9;
                rgb[static_cast<size_t>(3 * n)] = rgb[static_cast<size_t>(3 * n + 1)] =
                    rgb[static_cast<size_t>(3 * n + 2)] = static_cast<std::uint8_t>(v);
            }
        for (int v = 0; v < 256; ++v)
            cubeLevel[static_cast<size_t>(v)] = static_cast<std::uint8_t>((v + 25) / 51);
        // All 46 greys: the cube's diagonal and the 40 extra ones.
        std::vector<std::pair<int, int>> greys; // value, index
        for (int l = 0; l < 6; ++l)
            greys.push_back({51 * l, 43 * l});
        for (int i = 216; i < 256; ++i)
            greys.push_back({rgb[static_cast<size_t>(3 * i)], i});
        for (const auto& [value, index] : greys)
            greyValue[static_cast<size_t>(index)] = static_cast<std::uint8_t>(value);
        for (int sum = 0; sum <= 765; ++sum) {
            // The grey nearest in RGB distance is the one nearest to the mean; compare
            // 3·value with the sum to stay in integers.
            int best = 0, bestDiff = 1 << 30;
            for (const auto& [value, index] : greys) {
                const int diff = std::abs(3 * value - sum);
                if (diff < bestDiff) {
                    bestDiff = diff;
                    best = index;
                }
            }
            greyIndex[static_cast<size_t>(sum)] = static_cast<std::uint8_t>(best);
        }
    }
};

const FixedPalette& Fixed() {
    static const FixedPalette palette;
    return palette;
}

inline std::uint8_t Nearest(const FixedPalette& p, int r, int g, int b) {
    const int lr = p.cubeLevel[static_cast<size_t>(r)], lg = p.cubeLevel[static_cast<size_t>(g)],
              lb = p.cubeLevel[static_cast<size_t>(b)];
    const int dr = r - 51 * lr, dg = g - 51 * lg, db = b - 51 * lb;
    const int cubeDistance = dr * dr + dg * dg + db * db;
    const std::uint8_t grey = p.greyIndex[static_cast<size_t>(r + g + b)];
    const int v = p.greyValue[grey];
    const int greyDistance = (r - v) * (r - v) + (g - v) * (g - v) + (b - v) * (b - v);
    return greyDistance < cubeDistance ? grey : static_cast<std::uint8_t>(36 * lr + 6 * lg + lb);
}

} // namespace

const std::array<std::uint8_t, 768>& GifImageEncoder::Palette() {
    return Fixed().rgb;
}

std::uint8_t GifImageEncoder::NearestIndex(int red, int green, int blue) {
    return Nearest(Fixed(), red & 255, green & 255, blue & 255);
}

std::vector<std::uint8_t> GifImageEncoder::MapToPalette(const QImage& picture) {
    QImage rgb;
    if (picture.hasAlphaChannel()) {
        rgb = QImage(picture.size(), QImage::Format_RGB32);
        rgb.fill(Qt::white);
        QPainter painter(&rgb);
        painter.drawImage(0, 0, picture);
    } else {
        rgb = picture.convertToFormat(QImage::Format_RGB32);
    }
    const FixedPalette& p = Fixed();
    const int w = rgb.width(), h = rgb.height();
    std::vector<std::uint8_t> out(static_cast<size_t>(w) * static_cast<size_t>(h));
    std::uint8_t* dst = out.data();
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        QRgb last = ~line[0];
        std::uint8_t lastIndex = 0;
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            if (c != last) {
                last = c;
                lastIndex = Nearest(p, qRed(c), qGreen(c), qBlue(c));
            }
            *dst++ = lastIndex;
        }
    }
    return out;
}

QByteArray GifImageEncoder::Encode(const QImage& picture) {
    if (picture.isNull() || picture.width() > kMaxSide || picture.height() > kMaxSide)
        return QByteArray();
    const std::vector<std::uint8_t> indices = MapToPalette(picture);
    return GifSingleImageWriter::Write(indices.data(), picture.width(), picture.height(), Palette().data());
}

bool GifImageEncoder::Write(const QImage& picture, const QString& path) {
    const QByteArray bytes = Encode(picture);
    if (bytes.isEmpty())
        return false;
    return core::SaveWholeFile(path, bytes);
}

void RegisterGifEncoder(core::EncoderRegistry& registry) {
    registry.Add(
        core::ImageEncoder{QStringLiteral("image/gif"), [](const QImage& image, const QString& path, int) {
                               return GifImageEncoder::Write(image, path);
                           }});
}

} // namespace vx7::animation

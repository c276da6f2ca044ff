#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace vx7::core {
class EncoderRegistry;
}

namespace vx7::animation {

// The program's single-image GIF encoder: "GIF89a", a 256-entry global colour table,
// one image at (0, 0) of the picture's size, minimum code size 8, no extensions.
// Colours are mapped to a fixed palette: the 6 × 6 × 6 cube of the levels 0, 51, …,
// 255 (index = 36 r + 6 g + b) followed by 40 greys between the cube's greys, each
// pixel to its nearest entry. A fixed palette keeps flat areas flat and edges hard,
// which is what the "plain high contrast" colour mode shows; the quality value of
// the encoder interface does not apply. Pictures with alpha are put over white first.
class GifImageEncoder {
  public:
    static constexpr int kMaxSide = 65535;

    // The fixed palette as 256 red, green, blue triples.
    static const std::array<std::uint8_t, 768>& Palette();
    // Index of the palette entry nearest to a colour (exact, squared RGB distance).
    static std::uint8_t NearestIndex(int red, int green, int blue);
    // Maps every pixel of a picture to its palette index, rows top first.
    static std::vector<std::uint8_t> MapToPalette(const QImage& picture);

    // The whole GIF file for a picture; empty for a null or oversized picture.
    static QByteArray Encode(const QImage& picture);
    // Writes the picture to path; false when it cannot be encoded or written.
    static bool Write(const QImage& picture, const QString& path);
};

// Adds the GIF encoder to a registry under "image/gif".
void RegisterGifEncoder(core::EncoderRegistry& registry);

} // namespace vx7::animation

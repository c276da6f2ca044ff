#pragma once

#include <QRgb>

#include <algorithm>
#include <cstdint>

namespace vx7::imaging {

// A 32-bit colour reference: byte 0 red, byte 1 green, byte 2 blue, byte 3 zero.
// Every per-channel rule of the pixel tools works in this order; the value is
// turned into a QRgb only where it meets the canvas surface.
class Colour {
  public:
    constexpr Colour() = default;
    constexpr explicit Colour(std::uint32_t ref) : value_(ref) {}

    static constexpr Colour FromRgb(int r, int g, int b) {
        return Colour(static_cast<std::uint32_t>(Clamp(r)) | (static_cast<std::uint32_t>(Clamp(g)) << 8) |
                      (static_cast<std::uint32_t>(Clamp(b)) << 16));
    }
    // Drops the alpha byte: the colour reference has none.
    static constexpr Colour FromQRgb(QRgb q) {
        return Colour(((q >> 16) & 0xFFu) | (q & 0xFF00u) | ((q & 0xFFu) << 16));
    }
    // Opaque QRgb of the three colour bytes.
    constexpr QRgb ToQRgb() const {
        return 0xFF000000u | ((value_ & 0xFFu) << 16) | (value_ & 0xFF00u) | ((value_ >> 16) & 0xFFu);
    }

    constexpr std::uint32_t Value() const { return value_; }
    constexpr int Red() const { return static_cast<int>(value_ & 0xFFu); }
    constexpr int Green() const { return static_cast<int>((value_ >> 8) & 0xFFu); }
    constexpr int Blue() const { return static_cast<int>((value_ >> 16) & 0xFFu); }
    // Channel 0 red, 1 green, 2 blue.
    constexpr int Channel(int i) const { return static_cast<int>((value_ >> (8 * i)) & 0xFFu); }

    // Applies f to red, green and blue in that order; results are clamped to 0..255
    // and byte 3 of the result is zero.
    template <class F> constexpr Colour MapChannels(F&& f) const {
        return FromRgb(f(Red()), f(Green()), f(Blue()));
    }

    friend constexpr bool operator==(Colour a, Colour b) { return a.value_ == b.value_; }

  private:
    static constexpr int Clamp(int v) { return std::clamp(v, 0, 255); }

    std::uint32_t value_ = 0;
};

static_assert(sizeof(Colour) == 4);
static_assert(Colour::FromRgb(13, 111, 106).Value() == 0x006A6F0Du);
static_assert(Colour::FromQRgb(Colour(0x00332211u).ToQRgb()).Value() == 0x00332211u);

} // namespace vx7::imaging

#pragma once

#include <QColor>

#include <cstdint>

namespace vx7::controls {

// A 32-bit colour reference as the controls store it: byte 0 red, byte 1 green,
// byte 2 blue, byte 3 zero.
using ColourRef = std::uint32_t;

constexpr ColourRef MakeColourRef(int r, int g, int b) {
    return static_cast<ColourRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColourRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColourRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColourRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

inline QColor ToQColor(ColourRef c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline ColourRef FromQColor(const QColor& c) {
    return MakeColourRef(c.red(), c.green(), c.blue());
}

} // namespace vx7::controls

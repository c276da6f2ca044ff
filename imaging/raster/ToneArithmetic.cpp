#include "imaging/raster/ToneArithmetic.h"

#include <algorithm>

namespace vx7::imaging {

namespace {

int Scaled(int c, double factor) {
    return static_cast<int>(c * factor);
}

} // namespace

int ToneArithmetic::BrightenWhole(int c) {
    int n = Scaled(c, 1.1);
    if (n == c)
        n = c + 2;
    return std::clamp(n, 0, 255);
}

int ToneArithmetic::DarkenWhole(int c) {
    return std::clamp(Scaled(c, 0.9), 0, 255);
}

int ToneArithmetic::BrightenLocal(int c) {
    int n = Scaled(c, 1.05);
    if (n == c)
        n = c + 2;
    return std::clamp(n, 0, 255);
}

int ToneArithmetic::DarkenLocal(int c) {
    int n = Scaled(c, 0.95);
    if (n == c && c >= 3)
        n = c - 2;
    return std::clamp(n, 0, 255);
}

int ToneArithmetic::Spotlight(int c) {
    return std::clamp(Scaled(c, 1.3), 0, 255);
}

int ToneArithmetic::Dim(int c) {
    return std::clamp(Scaled(c, 0.6), 0, 255);
}

int ToneArithmetic::Posterise(int c, int step) {
    step = std::max(step, 2);
    return std::clamp(step * (c / step), 0, 255);
}

} // namespace vx7::imaging

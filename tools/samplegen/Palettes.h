#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace vx7::samplegen {

struct Palette {
    QString fileName; // "vx7ECam化装盒_COLOR01.png" ...
    std::function<QImage()> render;
};

// The make-up palettes of the make-up box: lip, blush, eye-shadow and hair colours.
std::vector<Palette> Palettes();

} // namespace vx7::samplegen

#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace vx7::samplegen {

constexpr int kPhotoWidth = 640;
constexpr int kPhotoHeight = 480;

struct Backdrop {
    QString fileName; // "背景图001.jpg" ...
    std::function<QImage()> render;
};

// The background pictures shipped in "vx7Ecamsys背景图片", 640 x 480.
std::vector<Backdrop> Backdrops();

} // namespace vx7::samplegen

#pragma once

#include <QRect>
#include <QSize>

namespace vx7::camera {

// Where the preview frame goes for a camera image of imageSize inside the preview
// area: centred at its own size when it fits, otherwise scaled down with its aspect
// ratio kept until it fits, and centred. The preview never hides part of the picture
// a photo will hold.
QRect FitPreviewFrame(const QRect& area, const QSize& imageSize);

} // namespace vx7::camera

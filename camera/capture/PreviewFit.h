#pragma once

#include <QRect>
#include <QSize>

namespace vx7::camera {

// Where the preview frame goes for a camera image of imageSize inside the preview
// area: centred when it fits, otherwise at the area's left or top edge, and never
// larger than the area. An image larger than the area therefore sits at the area's
// top-left corner, cut to the area.
QRect FitPreviewFrame(const QRect& area, const QSize& imageSize);

} // namespace vx7::camera

#pragma once

#include <QImage>

namespace vx7::assetgen {

// Icon resource `id` at its catalogue size: the program icon (128), the drop arrow of caption
// labels (152) and the OK / Cancel marks (168, 169). A null image for an unknown number.
QImage MakeIcon(int id);

} // namespace vx7::assetgen

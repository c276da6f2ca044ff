#pragma once

#include <QImage>

namespace vx7::assetgen {

// Bitmap resource `id` at its catalogue size: the camera station's background (129), the
// camera station's bitmap buttons (131-136, 139, 140, 191), the splash picture (141) and the
// editor's background (177). A null image for an unknown number.
QImage MakeBitmap(int id);

} // namespace vx7::assetgen

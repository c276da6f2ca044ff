#pragma once

#include <QImage>

namespace vx7::assetgen {

// The installer's start picture with its five hot-region buttons, plain or with every button lit.
QImage MakeInstallerPicture(bool lit);

// The highlight picture of hot region `region` (1 to 5): the lit start picture cut to the
// region's bounds, so it lines up exactly when drawn at the region's origin. Null for an unknown
// region.
QImage MakeInstallerHighlight(int region);

} // namespace vx7::assetgen

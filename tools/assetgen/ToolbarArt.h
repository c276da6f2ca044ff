#pragma once

#include <QImage>

namespace vx7::assetgen {

// The menu image strip (toolbar 154): one row of 20 x 20 images, one per command of the
// catalogue's command list, with that list in the text key "commands". Transparent pixels carry
// the mask colour.
QImage MakeToolbarStrip();

} // namespace vx7::assetgen

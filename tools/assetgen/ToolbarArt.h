#pragma once

#include <QImage>

namespace vx7::assetgen {

// The menu image strip (toolbar 154): one row of 20 x 20 images on the mask colour, one per
// command of the catalogue's command list, with that list in the text key "commands".
QImage MakeToolbarStrip();

} // namespace vx7::assetgen

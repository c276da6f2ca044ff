#include "Palettes.h"

namespace vx7::samplegen {

std::vector<Palette> Palettes() { return {}; }

} // namespace vx7::samplegen

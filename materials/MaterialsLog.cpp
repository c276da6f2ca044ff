#include "MaterialsLog.h"

namespace vx7::materials {

Q_LOGGING_CATEGORY(lcMaterials, "vx7.materials")

} // namespace vx7::materials

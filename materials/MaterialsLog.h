#pragma once

#include <QLoggingCategory>

namespace vx7::materials {

Q_DECLARE_LOGGING_CATEGORY(lcMaterials)

} // namespace vx7::materials

#pragma once

#include <QLoggingCategory>

namespace vx7::camera {
Q_DECLARE_LOGGING_CATEGORY(lcCamera)
}

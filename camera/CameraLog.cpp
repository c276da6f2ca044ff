#include "CameraLog.h"

namespace vx7::camera {
Q_LOGGING_CATEGORY(lcCamera, "vx7.camera")
}

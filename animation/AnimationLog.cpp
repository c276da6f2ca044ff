#include "AnimationLog.h"

namespace vx7::animation {

Q_LOGGING_CATEGORY(lcAnimation, "vx7.animation")

} // namespace vx7::animation

#include "AnimationLog.h"

namespace vx7::animation {

// Debug lines (frames left out and why) are off unless QT_LOGGING_RULES asks for them.
Q_LOGGING_CATEGORY(lcAnimation, "vx7.animation", QtInfoMsg)

} // namespace vx7::animation

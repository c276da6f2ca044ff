#pragma once

#include <QLoggingCategory>

namespace vx7::animation {

// The animation subsystem's one logging category ("vx7.animation").
Q_DECLARE_LOGGING_CATEGORY(lcAnimation)

} // namespace vx7::animation

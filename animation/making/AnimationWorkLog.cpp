#include "AnimationWorkLog.h"

Q_LOGGING_CATEGORY(lcAnimationWork, "vx7.animation.work")

#pragma once

#include <QLoggingCategory>

// Logging for GIF making, the animated picture, the animation window and music.
Q_DECLARE_LOGGING_CATEGORY(lcAnimationWork)

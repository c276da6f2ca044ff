#pragma once

#include <QLoggingCategory>

namespace vx7::imaging {

// The imaging library's one logging category ("vx7.imaging").
Q_DECLARE_LOGGING_CATEGORY(lcImaging)

} // namespace vx7::imaging

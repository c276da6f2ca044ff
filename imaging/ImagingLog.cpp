#include "imaging/ImagingLog.h"

namespace vx7::imaging {

Q_LOGGING_CATEGORY(lcImaging, "vx7.imaging")

} // namespace vx7::imaging

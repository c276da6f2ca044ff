#include "InstallLog.h"

Q_LOGGING_CATEGORY(lcInstall, "vx7.install")

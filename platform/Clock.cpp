#include "Clock.h"

namespace vx7::platform {

int Clock::SecondsOfDay() const {
    const QTime t = Now().time();
    return t.hour() * 3600 + t.minute() * 60 + t.second();
}

} // namespace vx7::platform

#pragma once

#include <QStringList>

namespace vx7::camera {

// The hot-key characters the help window offers, in their order: "A" to "N", "P",
// "O", "R" to "V", "X", "Y", "Z", "W", the digits "1" to "9" and "0", and
// ",", ".", "/", ";", "'". There is no "Q".
const QStringList& HotKeyChoices();

} // namespace vx7::camera

#include "HotKeyChoices.h"

namespace vx7::camera {

const QStringList& HotKeyChoices() {
    static const QStringList choices{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
                                     "P", "O", "R", "S", "T", "U", "V", "X", "Y", "Z", "W", "1", "2", "3",
                                     "4", "5", "6", "7", "8", "9", "0", ",", ".", "/", ";", "'"};
    return choices;
}

} // namespace vx7::camera

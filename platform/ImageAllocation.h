#pragma once

#include <QImageReader>

namespace vx7::platform {

// Qt refuses to decode a picture whose pixels need more than 128 MiB, which a
// 6000 × 6000 photo or a 48-megapixel phone photo does; such photos would be left out
// without a word. Every program that reads the user's pictures raises the limit at
// start to what a machine that runs it can hold.
constexpr int kImageAllocationLimitMiB = 1024;

inline void RaiseImageAllocationLimit() {
    QImageReader::setAllocationLimit(kImageAllocationLimitMiB);
}

} // namespace vx7::platform

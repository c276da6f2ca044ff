// One libFuzzer binary per target; VX7_FUZZ_TARGET names the function.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vx7::fuzz::VX7_FUZZ_TARGET(data, size);
    return 0;
}

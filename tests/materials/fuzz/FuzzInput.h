#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The body of a materials fuzz target: reads one input and checks the invariants of
// whatever the reader accepted, aborting with the broken one named on stderr. True
// when the reader accepted the input, false when it refused it. libFuzzer calls it
// through LLVMFuzzerTestOneInput; the replay driver calls it to check the outcomes.
namespace vx7::fuzz {

bool ReadInput(const std::uint8_t* data, std::size_t size);

inline void CheckInvariant(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace vx7::fuzz

#define VX7_FUZZ_CHECK(condition) ::vx7::fuzz::CheckInvariant((condition), #condition)

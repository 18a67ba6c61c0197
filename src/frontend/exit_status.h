// How a run's result becomes the process exit status.
#pragma once

#include <cstdint>

namespace plovask {

// POSIX keeps only the low 8 bits of a status. A failure whose low 8 bits
// are all zero (an API code of 256, say) exits with this value instead, so
// that it never reads as success.
inline constexpr int kFailureWithoutLowBits = 255;

// Windows keeps the whole 32-bit result; POSIX its low 8 bits, never 0 for
// a failure.
[[nodiscard]] int ProcessExitStatus(std::int32_t result);

}  // namespace plovask

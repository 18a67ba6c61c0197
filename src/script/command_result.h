// What every handler, DispatchLine and the whole run answer: 0, -1 for a
// script error that has been reported, or an API code that has been reported.
#pragma once

#include <cstdint>

namespace plovask {

inline constexpr std::int32_t kSuccess = 0;
inline constexpr std::int32_t kScriptError = -1;

}  // namespace plovask

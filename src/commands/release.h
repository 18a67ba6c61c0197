// The argument with which the tool asks the library to release its selection.
#pragma once

#include <cstdint>

namespace plovask {

inline constexpr std::int32_t kReleaseSelection = 1;

}  // namespace plovask

// A configuration library for the script fuzzer that answers from the
// fuzzer's input.
#pragma once

#include <cstdint>
#include <span>

namespace plovask_fuzz {

// The answers of the coming calls, one byte each; once they are used up,
// every call answers 0. Opening, beginning and closing always answer 0:
// their failures are silent by design and not the script's doing.
void PlanAnswers(std::span<const std::uint8_t> answers);

}  // namespace plovask_fuzz

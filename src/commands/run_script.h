// The interpreter loop: every physical line of the script that is neither
// empty nor a comment goes to its command, until the first line that fails.
#pragma once

#include <cstdint>
#include <string_view>

namespace plovask {

// Runs the script at path. Answers 0 when every line succeeded, -1 when the
// script cannot be opened or read, and otherwise the result of the first line
// that failed.
[[nodiscard]] std::int32_t RunScript(const char* path);

// The same for a script held in memory, named path in its messages: the
// entry of the in-process tests and the fuzzer.
[[nodiscard]] std::int32_t RunScriptText(std::string_view bytes, const char* path);

}  // namespace plovask

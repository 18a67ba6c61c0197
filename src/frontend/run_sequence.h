// The whole run: the command line, then the script between opening and
// beginning the configuration and ending and closing it.
#pragma once

#include <cstdint>
#include <string_view>

namespace plovask {

// Answers the run's result: 0, -1 or the API code of the first failure.
[[nodiscard]] std::int32_t RunProgram(int argc, char** argv);

// The script at scriptPath between opening and beginning the configuration
// and ending and closing it; diagnostics go where g_state says.
[[nodiscard]] std::int32_t RunConfiguration(const char* scriptPath);

// The same for a script held in memory, named name in its messages: the
// in-process tests and the fuzzer run whole configurations without a file.
[[nodiscard]] std::int32_t RunConfigurationText(std::string_view bytes, const char* name);

}  // namespace plovask

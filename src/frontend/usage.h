// The usage text.
#pragma once

namespace plovask {

// Writes the usage text to standard error, whatever the diagnostics stream,
// and ends the process with the status of a script error.
[[noreturn]] void PrintUsage();

}  // namespace plovask

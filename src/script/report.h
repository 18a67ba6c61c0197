// The single path of every diagnostic: one formatted line on the current
// diagnostics stream. Formats are the tool's own constant texts of
// messages.h; script text only ever arrives as an argument.
#pragma once

#include <cstdint>

namespace plovask {

// The message, then a line end.
[[gnu::format(printf, 1, 2)]] void Report(const char* format, ...);

// The message about the current line: " in line N" follows it.
[[gnu::format(printf, 1, 2)]] void ReportAtLine(const char* format, ...);

// ReportAtLine, answering the command result of a script error (-1), so
// that a failing step reads `return FailAtLine(kTooManyParameters);`.
[[gnu::format(printf, 1, 2)]] std::int32_t FailAtLine(const char* format, ...);

}  // namespace plovask

// The single path of every diagnostic: one formatted line on the current
// diagnostics stream. Formats are the tool's own constant texts; script text
// only ever arrives as an argument.
#pragma once

namespace plovask {

[[gnu::format(printf, 1, 2)]] void Report(const char* format, ...);

}  // namespace plovask

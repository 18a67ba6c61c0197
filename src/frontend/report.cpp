#include "frontend/report.h"

#include <cstdarg>
#include <cstdio>

#include "script/script_state.h"

namespace plovask {

void Report(const char* format, ...) {
    // Taken afresh at every call: an -e option changes it for the next message.
    std::FILE* stream = g_state.diagnostics != nullptr ? g_state.diagnostics : stderr;
    std::va_list values;
    va_start(values, format);
    std::vfprintf(stream, format, values);
    va_end(values);
    std::fputc('\n', stream);
}

}  // namespace plovask

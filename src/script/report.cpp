#include "script/report.h"

#include <cstdarg>
#include <cstdio>

#include "script/command_result.h"
#include "script/script_state.h"

namespace plovask {
namespace {

enum class LineNumber { kLeftOut, kAdded };

[[gnu::format(printf, 2, 0)]] void WriteMessage(LineNumber line, const char* format, std::va_list values) {
    // Taken afresh at every call: an -e option changes it for the next message.
    std::FILE* stream = g_state.diagnostics != nullptr ? g_state.diagnostics : stderr;
    std::vfprintf(stream, format, values);
    if (line == LineNumber::kAdded) {
        std::fprintf(stream, " in line %u", static_cast<unsigned>(g_state.lineNumber));
    }
    std::fputc('\n', stream);
}

}  // namespace

void Report(const char* format, ...) {
    std::va_list values;
    va_start(values, format);
    WriteMessage(LineNumber::kLeftOut, format, values);
    va_end(values);
}

void ReportAtLine(const char* format, ...) {
    std::va_list values;
    va_start(values, format);
    WriteMessage(LineNumber::kAdded, format, values);
    va_end(values);
}

std::int32_t FailAtLine(const char* format, ...) {
    std::va_list values;
    va_start(values, format);
    WriteMessage(LineNumber::kAdded, format, values);
    va_end(values);
    return kScriptError;
}

}  // namespace plovask

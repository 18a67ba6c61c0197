#include "commands/run_script.h"

#include <cstring>

#include "commands/command_table.h"
#include "script/command_result.h"
#include "script/messages.h"
#include "script/reader.h"
#include "script/report.h"
#include "script/script_state.h"

namespace plovask {
namespace {

bool IsCommentLine(const char* line) {
    return line[0] == '#' || line[0] == ';' || (line[0] == '/' && line[1] == '/');
}

bool IsTrimmedAtEnd(char c) {
    return c == '\n' || c == '\r' || c == ' ' || c == '\t';
}

void TrimLineEnd(char* line) {
    std::size_t length = std::strlen(line);
    while (length > 0 && IsTrimmedAtEnd(line[length - 1])) {
        line[--length] = '\0';
    }
}

// A comment line is skipped whatever its length; any other line must fit the
// line buffer whole.
std::int32_t RunLines(ScriptSource& source, const char* path) {
    g_state.lineNumber = 0;
    for (;;) {
        const LineRead read = ReadScriptLine(source);
        if (read == LineRead::kEnd) {
            return kSuccess;
        }
        if (read == LineRead::kReadError) {
            Report(kCantReadFile, path);
            return kScriptError;
        }
        ++g_state.lineNumber;
        if (IsCommentLine(g_state.line)) {
            continue;
        }
        if (read == LineRead::kTooLong) {
            return FailAtLine(kLineTooLong);
        }
        TrimLineEnd(g_state.line);
        if (g_state.line[0] == '\0') {
            continue;
        }
        if (const std::int32_t result = DispatchLine(); result != kSuccess) {
            return result;
        }
    }
}

}  // namespace

std::int32_t RunScript(const char* path) {
    ScriptSource source{};
    if (!OpenScriptFile(source, path)) {
        Report(kCantOpenFile, path);
        return kScriptError;
    }
    const std::int32_t result = RunLines(source, path);
    CloseScript(source);
    return result;
}

std::int32_t RunScriptText(std::string_view bytes, const char* path) {
    ScriptSource source{};
    OpenScriptText(source, bytes);
    return RunLines(source, path);
}

}  // namespace plovask

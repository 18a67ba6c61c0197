#include "frontend/command_line.h"

#include <cstdio>

#include "frontend/report.h"
#include "script/script_state.h"

namespace plovask {
namespace {

bool StartsOption(char c) {
    return c == '-' || c == '/';
}

void OpenErrorFile(const char* path) {
    // Never closed: it stays open until the process ends, and the normal exit
    // flushes it.
    std::FILE* file = std::fopen(path, "w");
    g_state.diagnostics = file != nullptr ? file : stderr;
    if (file == nullptr) {
        Report("Can't write to file %s", path);
    }
}

}  // namespace

CommandLineOutcome ExamineCommandLine(int argc, char** argv, const char*& scriptPath) {
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (!StartsOption(word[0])) {
            return CommandLineOutcome::kUsage;
        }
        const char letter = word[1];
        const char* value = letter != '\0' ? word + 2 : word + 1;
        switch (letter) {
            case 'e':
            case 'E':
                OpenErrorFile(value);
                break;
            case 'f':
            case 'F':
                scriptPath = value;
                break;
            default:  // h, H, any other letter and a bare "-" or "/"
                return CommandLineOutcome::kUsage;
        }
    }
    return CommandLineOutcome::kRun;
}

}  // namespace plovask

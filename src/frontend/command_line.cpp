#include "frontend/command_line.h"

#include <cstdio>

#include "script/messages.h"
#include "script/report.h"
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
        Report(kCantWriteFile, path);
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

void PrintUsage() {
    std::fputs("PLOVASK  Vorstel/ISDN configuration tool\n", stderr);
    std::fputs("Applies a configuration script, one command a line, to the ISDN dial-up configuration.\n\n",
               stderr);
    std::fputs("use: plovask [-h] [-f<configfile>] [-e<errorfile>]\n\n", stderr);
    std::fputs("  -f<configfile> defines the input file (default is VORSTEL.CFG)\n", stderr);
    std::fputs("  -e<errfile>    defines the error file (default is stderr)\n", stderr);
    std::fputs("  -h             displays this information\n", stderr);
}

}  // namespace plovask

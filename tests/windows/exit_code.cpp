// exit_code PROGRAM ARGUMENTS...: runs the rest of its own command line as
// it stands, with the same standard handles, and writes the program's whole
// 32-bit exit code, as a signed decimal, to the file named by
// PLOVASK_EXIT_CODE_FILE. Under wine the exit status that reaches the caller
// keeps only 8 bits.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The command line after the first word, quoting and all.
wchar_t* AfterFirstWord(wchar_t* line) {
    const bool quoted = *line == L'"';
    line += quoted ? 1 : 0;
    while (*line != L'\0' && (quoted ? *line != L'"' : (*line != L' ' && *line != L'\t'))) {
        ++line;
    }
    line += (quoted && *line == L'"') ? 1 : 0;
    while (*line == L' ' || *line == L'\t') {
        ++line;
    }
    return line;
}

}  // namespace

int main() {
    const char* codeFile = std::getenv("PLOVASK_EXIT_CODE_FILE");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (codeFile == nullptr ||
        !CreateProcessW(nullptr, AfterFirstWord(GetCommandLineW()), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 125;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    if (std::FILE* file = std::fopen(codeFile, "w")) {
        std::fprintf(file, "%ld\n", static_cast<long>(static_cast<LONG>(code)));
        std::fclose(file);
    }
    return 0;
}

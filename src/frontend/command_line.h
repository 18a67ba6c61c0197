// The command line: -f<script>, -e<errorfile>, -h. An option starts with "-"
// or "/", its letter may be of either case and its value is glued to it. And
// the usage text, for a word that asks for it or is not accepted.
#pragma once

namespace plovask {

inline constexpr const char* kDefaultScriptPath = "vorstel.cfg";

enum class CommandLineOutcome {
    kRun,    // every word was accepted
    kUsage,  // a word asked for, or earned, the usage text
};

// Examines the words after the program's name from left to right, each once,
// until one asks for the usage text. Sets scriptPath on every -f and opens an
// error file on every -e, making it the diagnostics stream; an error file that
// cannot be opened is reported and sends diagnostics back to standard error.
[[nodiscard]] CommandLineOutcome ExamineCommandLine(int argc, char** argv, const char*& scriptPath);

// Writes the usage text to standard error, whatever the diagnostics stream.
void PrintUsage();

}  // namespace plovask

#include "frontend/run_sequence.h"

#include <cstdio>

#include "commands/run_script.h"
#include "frontend/command_line.h"
#include "script/command_result.h"
#include "script/messages.h"
#include "script/report.h"
#include "script/script_state.h"
#include "trevanix.h"

namespace plovask {
namespace {

// Opens the library and begins the configuration. False when the run ends
// there, silently: result then holds its status.
bool BeginConfiguration(std::int32_t& result) {
    if (CfgOpen(CFG_OPEN_MODE) != CFG_OK) {
        result = kScriptError;
        return false;
    }
    // The library's answer tells the caller why the configuration cannot be
    // begun.
    const std::int32_t begun = CfgBegin();
    if (begun != CFG_OK) {
        static_cast<void>(CfgClose());
        result = begun;
        return false;
    }
    return true;
}

// Ends the configuration and closes the library after the script's run.
std::int32_t EndConfiguration(std::int32_t result) {
    // After a failed line the first failure stands; after a clean run a
    // configuration that could not be ended must not read as success.
    const std::int32_t ended = CfgEnd();
    if (result == kSuccess && ended != CFG_OK) {
        Report(kApiErrorAtEnd, static_cast<int>(ended));
        result = ended;
    }
    static_cast<void>(CfgClose());
    return result;
}

}  // namespace

std::int32_t RunProgram(int argc, char** argv) {
    g_state.diagnostics = stderr;
    const char* scriptPath = kDefaultScriptPath;
    if (ExamineCommandLine(argc, argv, scriptPath) == CommandLineOutcome::kUsage) {
        PrintUsage();
        return kScriptError;
    }
    return RunConfiguration(scriptPath);
}

std::int32_t RunConfiguration(const char* scriptPath) {
    std::int32_t result = kSuccess;
    if (!BeginConfiguration(result)) {
        return result;
    }
    return EndConfiguration(RunScript(scriptPath));
}

std::int32_t RunConfigurationText(std::string_view bytes, const char* name) {
    std::int32_t result = kSuccess;
    if (!BeginConfiguration(result)) {
        return result;
    }
    return EndConfiguration(RunScriptText(bytes, name));
}

}  // namespace plovask

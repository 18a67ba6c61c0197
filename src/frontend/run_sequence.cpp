#include "frontend/run_sequence.h"

#include <cstdio>

#include "api/trevanix.h"
#include "frontend/command_line.h"
#include "frontend/report.h"
#include "frontend/usage.h"
#include "script/command_result.h"
#include "script/reader.h"
#include "script/script_state.h"

namespace plovask {

std::int32_t RunProgram(int argc, char** argv) {
    g_state.diagnostics = stderr;
    const char* scriptPath = kDefaultScriptPath;
    if (ExamineCommandLine(argc, argv, scriptPath) == CommandLineOutcome::kUsage) {
        PrintUsage();
    }
    return RunConfiguration(scriptPath);
}

std::int32_t RunConfiguration(const char* scriptPath) {
    if (CfgOpen(CFG_OPEN_MODE) != CFG_OK) {
        return kScriptError;
    }
    // A configuration that cannot be begun is left silently; the library's
    // answer tells the caller why.
    const std::int32_t begun = CfgBegin();
    if (begun != CFG_OK) {
        static_cast<void>(CfgClose());
        return begun;
    }
    std::int32_t result = RunScript(scriptPath);
    // After a failed line the first failure stands; after a clean run a
    // configuration that could not be ended must not read as success.
    const std::int32_t ended = CfgEnd();
    if (result == kSuccess && ended != CFG_OK) {
        Report("API error %d at end of configuration", static_cast<int>(ended));
        result = ended;
    }
    static_cast<void>(CfgClose());
    return result;
}

}  // namespace plovask

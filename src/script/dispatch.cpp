#include "script/dispatch.h"

#include "commands/commands.h"
#include "frontend/report.h"
#include "script/command_result.h"
#include "script/scanner.h"
#include "script/script_state.h"

namespace plovask {

constexpr std::array<CommandEntry, kCommandCount + 1> CommandTable{{
    {"TargetCreate", TargetCreate},
    {"TargetDelete", TargetDelete},
    {"TargetUse", TargetUse},
    {"TargetUnuse", TargetUnuse},
    {"TargetSetISDNNumber", TargetSetISDNNumber},
    {"TargetSetUsername", TargetSetUsername},
    {"TargetSetOutboundPassword", TargetSetOutboundPassword},
    {"TargetSetInboundAuth", TargetSetInboundAuth},
    {"TargetSetRemoteSystemId", TargetSetRemoteSystemId},
    {"TargetSetInboundPassword", TargetSetInboundPassword},
    {"TargetSetActive", TargetSetActive},
    {"SetMSNForController", SetMSNForController},
    {"LockConfig", LockConfig},
    {"", nullptr},
}};

std::int32_t DispatchLine() {
    ResetScanPosition();
    if (!NextToken(g_state.commandWord)) {
        // An over-long word has been reported by the scanner; a first token
        // of "" ends the run without a word of its own.
        return kScriptError;
    }
    const std::string_view word = g_state.commandWord;
    for (const CommandEntry& entry : CommandTable) {
        if (entry.name.empty()) {
            break;
        }
        if (EqualsIgnoreCase(word, entry.name)) {
            return entry.handler();
        }
    }
    Report("Unknown command %s in line %u", g_state.commandWord, g_state.lineNumber);
    return kScriptError;
}

}  // namespace plovask

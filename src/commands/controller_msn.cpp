// SetMSNForController: writes a controller number and an MSN into one of the
// library's numbered entries.
#include "commands/handlers.h"
#include "script/command_result.h"
#include "script/parameters.h"

namespace plovask {
namespace {

// Tries the entries in order until the library accepts one. Answers 0 when
// one was accepted, and also when all were taken: the library then decides
// what the attribute calls change. Any other answer ends the command.
std::int32_t SelectEntry() {
    for (std::int32_t index = 1; index <= CFG_ENTRY_COUNT; ++index) {
        const std::int32_t code = CfgUseEntry(index);
        if (code != CFG_NOT_FOUND_OR_TAKEN) {
            return code;
        }
    }
    return CFG_OK;
}

}  // namespace

std::int32_t SetMSNForController(const CommandEntry& row) {
    std::uint32_t controller = 0;
    TextBuffer msn;
    if (!ReadNumberParameter(controller) || !ReadParameter(TextFor(row, msn)) || !CheckNoSurplusParameter()) {
        return kScriptError;
    }
    const std::int32_t selected = SelectEntry();
    if (selected != CFG_OK) {
        return ApiResult(selected);
    }
    std::int32_t code = CfgSetNumber(ATTR_CONTROLLER, controller);
    if (code == CFG_OK) {
        code = CfgSetString(row.attribute, msn.data());
    }
    // The entry is released on every path that wrote to it; a failed release
    // does not change what the command answers.
    std::int32_t released = 0;
    static_cast<void>(CfgTargetUnuse(CFG_RELEASE_SELECTION, &released));
    return ApiResult(code);
}

}  // namespace plovask

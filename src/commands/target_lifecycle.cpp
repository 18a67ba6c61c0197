// TargetCreate, TargetDelete, TargetUse and TargetUnuse. The library keeps the
// targets and the selection; the tool only passes the name on.
#include "commands/handlers.h"
#include "script/command_result.h"
#include "script/parameters.h"

namespace plovask {
namespace {

// The one parameter of the three named commands, with nothing after it.
bool ReadTargetName(const CommandEntry& row, TextBuffer& name) {
    return ReadParameter(TextFor(row, name)) && CheckNoSurplusParameter();
}

}  // namespace

std::int32_t TargetCreate(const CommandEntry& row) {
    TextBuffer name;
    if (!ReadTargetName(row, name)) {
        return kScriptError;
    }
    const std::int32_t code = CfgTargetCreate(name.data());
    // A target that is already there is what the script asked for.
    if (code == CFG_TARGET_EXISTS || code == CFG_TARGET_EXISTS_OTHER_CASE) {
        return kSuccess;
    }
    return ApiResult(code);
}

std::int32_t TargetDelete(const CommandEntry& row) {
    TextBuffer name;
    if (!ReadTargetName(row, name)) {
        return kScriptError;
    }
    const std::int32_t selected = CfgTargetUse(name.data());
    // A target that is not there needs no deleting.
    if (selected == CFG_NOT_FOUND_OR_TAKEN) {
        return kSuccess;
    }
    if (selected != CFG_OK) {
        return ApiResult(selected);
    }
    return ApiResult(CfgTargetDelete());
}

std::int32_t TargetUse(const CommandEntry& row) {
    TextBuffer name;
    if (!ReadTargetName(row, name)) {
        return kScriptError;
    }
    return ApiResult(CfgTargetUse(name.data()));
}

std::int32_t TargetUnuse(const CommandEntry&) {
    if (!CheckNoSurplusParameter()) {
        return kScriptError;
    }
    std::int32_t released = 0;  // written by the library, never read
    return ApiResult(CfgTargetUnuse(CFG_RELEASE_SELECTION, &released));
}

}  // namespace plovask

// The commands that set an attribute of the selected target. None names the
// target: the library applies the value to the one selected last. The row
// says which attribute, and how long its text may be.
#include <array>

#include "commands/handlers.h"
#include "script/command_result.h"
#include "script/messages.h"
#include "script/parameters.h"

namespace plovask {
namespace {

constexpr auto kAuthWords = std::to_array<Keyword>({
    {"none", AUTH_NONE},
    {"no", AUTH_NONE},
    {"disabled", AUTH_NONE},
    {"PAP", AUTH_PAP},
    {"CHAP", AUTH_CHAP},
});

}  // namespace

std::int32_t SetTextAttribute(const CommandEntry& row) {
    TextBuffer text;
    if (!ReadParameter(TextFor(row, text)) || !CheckNoSurplusParameter()) {
        return kScriptError;
    }
    return ApiResult(CfgSetString(row.attribute, text.data()));
}

std::int32_t SetInboundAuth(const CommandEntry& row) {
    std::int32_t method = AUTH_NONE;
    // The word is judged before anything after it is looked at.
    if (!ReadKeywordParameter(kAuthWords, kExpectingAuthentication, method) || !CheckNoSurplusParameter()) {
        return kScriptError;
    }
    return ApiResult(CfgSetNumber(row.attribute, static_cast<std::uint32_t>(method)));
}

std::int32_t SetFlagAttribute(const CommandEntry& row) {
    std::int32_t flag = 0;
    if (!ReadBoolParameter(flag) || !CheckNoSurplusParameter()) {
        return kScriptError;
    }
    return ApiResult(CfgSetFlag(row.attribute, flag));
}

}  // namespace plovask

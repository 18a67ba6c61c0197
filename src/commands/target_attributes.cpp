// The seven commands that set an attribute of the selected target. None names
// the target: the library applies the value to the one selected last.
#include <array>
#include <optional>
#include <span>

#include "api/trevanix.h"
#include "commands/commands.h"
#include "frontend/report.h"
#include "script/command_result.h"
#include "script/parameters.h"
#include "script/script_state.h"

namespace plovask {
namespace {

constexpr std::array<Keyword, 5> kAuthWords{{
    {"none", AUTH_NONE},
    {"no", AUTH_NONE},
    {"disabled", AUTH_NONE},
    {"PAP", AUTH_PAP},
    {"CHAP", AUTH_CHAP},
}};

// The five text setters differ only in the longest text and the attribute.
std::int32_t SetTextAttribute(std::size_t capacity, std::uint32_t attribute) {
    std::array<char, kTextBufferSize> buffer;
    const std::span<char> text{buffer.data(), capacity};
    if (!ReadParameter(text) || !CheckNoSurplusParameter()) {
        return kScriptError;
    }
    return ApiResult(CfgSetString(attribute, text.data()));
}

}  // namespace

std::int32_t TargetSetISDNNumber() {
    return SetTextAttribute(kIsdnNumberBufferSize, ATTR_ISDN_NUMBER);
}

std::int32_t TargetSetUsername() {
    return SetTextAttribute(kTextBufferSize, ATTR_USERNAME);
}

std::int32_t TargetSetOutboundPassword() {
    return SetTextAttribute(kTextBufferSize, ATTR_OUTBOUND_PASSWORD);
}

std::int32_t TargetSetRemoteSystemId() {
    return SetTextAttribute(kTextBufferSize, ATTR_REMOTE_SYSTEM_ID);
}

std::int32_t TargetSetInboundPassword() {
    return SetTextAttribute(kTextBufferSize, ATTR_INBOUND_PASSWORD);
}

std::int32_t TargetSetInboundAuth() {
    if (!ReadParameter(g_state.parameter)) {
        return kScriptError;
    }
    // The word is judged before anything after it is looked at.
    const std::optional<std::int32_t> method = LookUpKeyword(kAuthWords, g_state.parameter);
    if (!method) {
        Report("Use NONE, PAP or CHAP as authentication parameter in line %u", g_state.lineNumber);
        return kScriptError;
    }
    if (!CheckNoSurplusParameter()) {
        return kScriptError;
    }
    return ApiResult(CfgSetNumber(ATTR_INBOUND_AUTH, static_cast<std::uint32_t>(*method)));
}

std::int32_t TargetSetActive() {
    std::int32_t active = 0;
    if (!ReadBoolParameter(active)) {
        return kScriptError;
    }
    return ApiResult(CfgSetFlag(ATTR_ACTIVE, active));
}

}  // namespace plovask

// The command words of the script language, the handler of each and the
// shape of its parameters; and the dispatch of a line to its row.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "commands/command_entry.h"
#include "commands/handlers.h"
#include "trevanix.h"

namespace plovask {

// Looked up in this order, without regard to letter case.
inline constexpr auto CommandTable = std::to_array<CommandEntry>({
    {"TargetCreate", TargetCreate, kNoAttribute, CFG_TEXT_LONGEST},
    {"TargetDelete", TargetDelete, kNoAttribute, CFG_TEXT_LONGEST},
    {"TargetUse", TargetUse, kNoAttribute, CFG_TEXT_LONGEST},
    {"TargetUnuse", TargetUnuse, kNoAttribute, 0},
    {"TargetSetISDNNumber", SetTextAttribute, ATTR_ISDN_NUMBER, CFG_ISDN_NUMBER_LONGEST},
    {"TargetSetUsername", SetTextAttribute, ATTR_USERNAME, CFG_TEXT_LONGEST},
    {"TargetSetOutboundPassword", SetTextAttribute, ATTR_OUTBOUND_PASSWORD, CFG_TEXT_LONGEST},
    {"TargetSetInboundAuth", SetInboundAuth, ATTR_INBOUND_AUTH, 0},
    {"TargetSetRemoteSystemId", SetTextAttribute, ATTR_REMOTE_SYSTEM_ID, CFG_TEXT_LONGEST},
    {"TargetSetInboundPassword", SetTextAttribute, ATTR_INBOUND_PASSWORD, CFG_TEXT_LONGEST},
    {"TargetSetActive", SetFlagAttribute, ATTR_ACTIVE, 0},
    {"SetMSNForController", SetMSNForController, ATTR_MSN, CFG_MSN_LONGEST},
    {"LockConfig", LockConfig, kNoAttribute, 0},
});

static_assert(std::ranges::all_of(CommandTable, [](const CommandEntry& row) { return row.longest < kTextBufferSize; }),
              "every row's longest text, and its NUL, fit the handlers' text buffer");

// Runs the line that stands in the line buffer: scans the command word,
// finds its row and answers what the handler answers.
[[nodiscard]] std::int32_t DispatchLine();

}  // namespace plovask

// The command words of the script language and the handler of each.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace plovask {

// A handler reads its own parameters with NextToken and answers the command
// result: 0, -1 for a script error it has reported, or an API code it has
// reported.
using CommandHandler = std::int32_t (*)();

struct CommandEntry {
    std::string_view name;   // as the language spells it; empty in the end row
    CommandHandler handler;  // null in the end row
};

inline constexpr std::size_t kCommandCount = 13;

// Looked up in this order, without regard to letter case; the end row with
// its empty name closes the table.
extern const std::array<CommandEntry, kCommandCount + 1> CommandTable;

// Runs the line that stands in the line buffer: scans the command word,
// finds its row and answers what the handler answers.
[[nodiscard]] std::int32_t DispatchLine();

}  // namespace plovask

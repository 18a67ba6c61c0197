// One row of the command table: a command word and how its line is handled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace plovask {

struct CommandEntry;

// A handler reads its own parameters with NextToken and answers the command
// result: 0, -1 for a script error it has reported, or an API code it has
// reported. It is handed its own row, so that one handler serves every
// command of the same shape.
using CommandHandler = std::int32_t (*)(const CommandEntry& row);

// The attribute of a command that writes none.
inline constexpr std::uint32_t kNoAttribute = 0;

struct CommandEntry {
    std::string_view name;   // as the language spells it
    CommandHandler handler;  // reads the parameters and calls the library
    std::uint32_t attribute; // the ATTR_ value the command writes, or kNoAttribute
    std::size_t longest;     // characters of its text parameter at most; 0 when it takes none
};

}  // namespace plovask

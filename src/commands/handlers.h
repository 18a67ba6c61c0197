// The handlers of the script commands. Each reads its parameters from the
// rest of the line and answers the command result.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "commands/command_entry.h"
#include "trevanix.h"

namespace plovask {

// A target name or a text value, scanned into a buffer of the handler's own:
// the longest text the library takes, and its NUL.
inline constexpr std::size_t kTextBufferSize = CFG_TEXT_LONGEST + 1;
using TextBuffer = std::array<char, kTextBufferSize>;

// The part of buffer that holds the row's longest text and its NUL.
[[nodiscard]] inline std::span<char> TextFor(const CommandEntry& row, TextBuffer& buffer) {
    return {buffer.data(), row.longest + 1};
}

// Targets: create, delete, select and release by name.
std::int32_t TargetCreate(const CommandEntry& row);
std::int32_t TargetDelete(const CommandEntry& row);
std::int32_t TargetUse(const CommandEntry& row);
std::int32_t TargetUnuse(const CommandEntry& row);

// Attributes of the selected target: a text, the authentication method, a
// yes/no flag.
std::int32_t SetTextAttribute(const CommandEntry& row);
std::int32_t SetInboundAuth(const CommandEntry& row);
std::int32_t SetFlagAttribute(const CommandEntry& row);

// Controller MSNs and the configuration lock.
std::int32_t SetMSNForController(const CommandEntry& row);
std::int32_t LockConfig(const CommandEntry& row);

}  // namespace plovask

// The one record of the run: the current line, where the scanner stands in
// it, the command word and the diagnostics stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace plovask {

// Buffer sizes in bytes, terminating NUL included.
inline constexpr std::size_t kLineBufferSize = 256;       // one script line
inline constexpr std::size_t kLineMaxCharacters = kLineBufferSize - 1;
inline constexpr std::size_t kWordBufferSize = 60;        // command word, converted parameters
inline constexpr std::size_t kTextBufferSize = 100;       // target names, most text attributes
inline constexpr std::size_t kIsdnNumberBufferSize = 25;  // a target's ISDN number
inline constexpr std::size_t kMsnBufferSize = 15;         // an MSN

struct ScriptState {
    char line[kLineBufferSize];        // current line, trimmed, always NUL-terminated
    std::uint32_t lineNumber;          // physical line of the script, from 1
    std::uint32_t scanPosition;        // next byte of line that NextToken looks at
    char commandWord[kWordBufferSize]; // first token of the line, as written
    char parameter[kWordBufferSize];   // shared buffer for converted parameters
    std::FILE* diagnostics;            // where Report writes; null means stderr
};

// The process holds exactly one run, and so exactly one state.
extern ScriptState g_state;

}  // namespace plovask

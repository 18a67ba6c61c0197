// The one record of the run: what lives from one call to the next while a
// script runs. Every parameter a handler scans goes into a buffer of the
// handler's own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace plovask {

// Buffer sizes in bytes, terminating NUL included.
inline constexpr std::size_t kLineBufferSize = 256;  // one script line
inline constexpr std::size_t kLineMaxCharacters = kLineBufferSize - 1;
inline constexpr std::size_t kWordBufferSize = 60;   // the command word, and words and numbers

struct ScriptState {
    char line[kLineBufferSize];         // current line, trimmed, always NUL-terminated; the reader writes it
    std::uint32_t lineNumber;           // physical line of the script, from 1; every message names it
    std::uint32_t scanPosition;         // next byte of line that NextToken looks at
    char commandWord[kWordBufferSize];  // first token of the line, as written; the messages about the line name it
    std::FILE* diagnostics;             // where Report writes; null means standard error
};

// The process holds exactly one run, and so exactly one state.
extern ScriptState g_state;

}  // namespace plovask

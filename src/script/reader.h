// Reads the script line by line and runs every line that is neither empty
// nor a comment, until the first line that fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace plovask {

// The script as a stream of bytes, read a chunk at a time.
struct ScriptSource {
    static constexpr std::size_t kChunkSize = 16384;
    std::FILE* file;                   // open in binary mode
    unsigned char chunk[kChunkSize];   // bytes read ahead
    std::size_t position;              // next byte of chunk to hand out
    std::size_t filled;                // bytes of chunk that hold data
    bool ended;                        // end of file or Ctrl-Z seen: no more lines
};

enum class LineRead {
    kLine,       // a line stands in the line buffer
    kTooLong,    // a line of more than 255 characters; its first 255 stand in the buffer
    kEnd,        // no more lines
    kReadError,  // the file could not be read
};

// Reads one physical line into the line buffer of g_state, without its line
// end: line feed, or carriage return and line feed. A lone carriage return is
// an ordinary character, Ctrl-Z ends the script, and a NUL ends the line's
// text though the bytes after it still count towards its length.
[[nodiscard]] LineRead ReadScriptLine(ScriptSource& source);

// Runs the script at path. Answers 0 when every line succeeded, -1 when the
// script cannot be opened or read, and otherwise the result of the first line
// that failed.
[[nodiscard]] std::int32_t RunScript(const char* path);

}  // namespace plovask

// Reads the script's physical lines into the line buffer, by the tool's own
// byte rules on every platform.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace plovask {

// The script as a stream of bytes: a file read a chunk at a time, or a
// script held in memory.
struct ScriptSource {
    static constexpr std::size_t kChunkSize = 16384;
    std::FILE* file;                  // open in binary mode; null for a script in memory
    const unsigned char* bytes;       // the chunk, or the script in memory
    std::size_t position;             // next byte of bytes to hand out
    std::size_t filled;               // bytes of bytes that hold data
    bool ended;                       // end of file or Ctrl-Z seen: no more lines
    unsigned char chunk[kChunkSize];  // bytes of the file read ahead
};

// Opens the script at path for reading in binary mode, so that the tool's
// own byte rules apply on every platform. False when the path cannot be
// opened or names a folder.
[[nodiscard]] bool OpenScriptFile(ScriptSource& source, const char* path);

// A script whose bytes the caller holds for as long as it is read.
void OpenScriptText(ScriptSource& source, std::string_view bytes);

void CloseScript(ScriptSource& source);

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

}  // namespace plovask

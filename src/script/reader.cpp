#include "script/reader.h"

#include <cstring>

#include "frontend/report.h"
#include "script/command_result.h"
#include "script/dispatch.h"
#include "script/script_file.h"
#include "script/script_state.h"

namespace plovask {
namespace {

constexpr int kEndOfFile = -1;
constexpr int kReadFailed = -2;
constexpr int kCtrlZ = 26;

// The next byte without taking it: a byte value, kEndOfFile or kReadFailed.
int PeekByte(ScriptSource& source) {
    if (source.position == source.filled) {
        source.position = 0;
        source.filled = std::fread(source.chunk, 1, sizeof source.chunk, source.file);
        if (source.filled == 0) {
            return std::ferror(source.file) != 0 ? kReadFailed : kEndOfFile;
        }
    }
    return source.chunk[source.position];
}

int TakeByte(ScriptSource& source) {
    const int c = PeekByte(source);
    if (c >= 0) {
        ++source.position;
    }
    return c;
}

bool IsCommentLine(const char* line) {
    return line[0] == '#' || line[0] == ';' || (line[0] == '/' && line[1] == '/');
}

bool IsTrimmedAtEnd(char c) {
    return c == '\n' || c == '\r' || c == ' ' || c == '\t';
}

void TrimLineEnd(char* line) {
    std::size_t length = std::strlen(line);
    while (length > 0 && IsTrimmedAtEnd(line[length - 1])) {
        line[--length] = '\0';
    }
}

// The common case: the whole line, up to its line feed, lies in the chunk
// read ahead and holds no Ctrl-Z. It is found with memchr and copied at once.
// False when the line runs past the chunk or holds a Ctrl-Z; nothing is
// taken then, and the byte-by-byte path reads it.
bool TakeLineInChunk(ScriptSource& source, std::size_t& count) {
    const unsigned char* start = source.chunk + source.position;
    const std::size_t available = source.filled - source.position;
    const void* lineFeed = std::memchr(start, '\n', available);
    if (lineFeed == nullptr) {
        return false;
    }
    std::size_t length = static_cast<std::size_t>(static_cast<const unsigned char*>(lineFeed) - start);
    if (std::memchr(start, kCtrlZ, length) != nullptr) {
        return false;
    }
    source.position += length + 1;
    if (length > 0 && start[length - 1] == '\r') {
        --length;  // a carriage return and a line feed are one line end
    }
    std::memcpy(g_state.line, start, length < kLineMaxCharacters ? length : kLineMaxCharacters);
    count = length;
    return true;
}

LineRead Counted(std::size_t count) {
    g_state.line[count < kLineMaxCharacters ? count : kLineMaxCharacters] = '\0';
    return count > kLineMaxCharacters ? LineRead::kTooLong : LineRead::kLine;
}

}  // namespace

LineRead ReadScriptLine(ScriptSource& source) {
    if (source.ended) {
        return LineRead::kEnd;
    }
    std::size_t count = 0;  // characters of the line, also those past the buffer
    if (TakeLineInChunk(source, count)) {
        return Counted(count);
    }
    bool lineFeed = false;
    for (;;) {
        int c = TakeByte(source);
        if (c == '\r') {
            const int next = PeekByte(source);
            if (next == kReadFailed) {
                return LineRead::kReadError;
            }
            if (next == '\n') {
                c = TakeByte(source);  // the pair is one line feed
            }
        }
        if (c == kReadFailed) {
            return LineRead::kReadError;
        }
        if (c == kEndOfFile || c == kCtrlZ) {
            source.ended = true;
            break;
        }
        if (c == '\n') {
            lineFeed = true;
            break;
        }
        if (count < kLineMaxCharacters) {
            g_state.line[count] = static_cast<char>(c);
        }
        ++count;
    }
    if (count == 0 && !lineFeed) {
        g_state.line[0] = '\0';
        return LineRead::kEnd;
    }
    return Counted(count);
}

std::int32_t RunScript(const char* path) {
    ScriptSource source{};
    source.file = OpenScriptFile(path);
    if (source.file == nullptr) {
        Report("Can't open file %s", path);
        return kScriptError;
    }
    g_state.lineNumber = 0;
    std::int32_t result = kSuccess;
    for (;;) {
        const LineRead read = ReadScriptLine(source);
        if (read == LineRead::kEnd) {
            break;
        }
        if (read == LineRead::kReadError) {
            Report("Can't read file %s", path);
            result = kScriptError;
            break;
        }
        ++g_state.lineNumber;
        if (IsCommentLine(g_state.line)) {
            continue;  // whatever its length
        }
        if (read == LineRead::kTooLong) {
            Report("Line too long in line %u", g_state.lineNumber);
            result = kScriptError;
            break;
        }
        TrimLineEnd(g_state.line);
        if (g_state.line[0] == '\0') {
            continue;
        }
        result = DispatchLine();
        if (result != kSuccess) {
            break;
        }
    }
    std::fclose(source.file);
    return result;
}

}  // namespace plovask

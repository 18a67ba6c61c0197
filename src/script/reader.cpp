#include "script/reader.h"

#include <sys/stat.h>

#include <cstring>

#include "script/script_state.h"

namespace plovask {
namespace {

constexpr int kEndOfFile = -1;
constexpr int kReadFailed = -2;
constexpr int kCtrlZ = 26;

// The next byte without taking it: a byte value, kEndOfFile or kReadFailed.
int PeekByte(ScriptSource& source) {
    if (source.position == source.filled) {
        if (source.file == nullptr) {
            return kEndOfFile;
        }
        source.bytes = source.chunk;
        source.position = 0;
        source.filled = std::fread(source.chunk, 1, sizeof source.chunk, source.file);
        if (source.filled == 0) {
            return std::ferror(source.file) != 0 ? kReadFailed : kEndOfFile;
        }
    }
    return source.bytes[source.position];
}

int TakeByte(ScriptSource& source) {
    const int c = PeekByte(source);
    if (c >= 0) {
        ++source.position;
    }
    return c;
}

// The common case: the whole line, up to its line feed, lies in the chunk
// read ahead and holds no Ctrl-Z. It is found with memchr and copied at once.
// False when the line runs past the chunk or holds a Ctrl-Z; nothing is
// taken then, and the byte-by-byte path reads it.
bool TakeLineInChunk(ScriptSource& source, std::size_t& count) {
    const std::size_t available = source.filled - source.position;
    if (available == 0) {
        return false;
    }
    const unsigned char* start = source.bytes + source.position;
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

bool IsFolder(std::FILE* file) {
#ifdef _WIN32
    struct _stat64 status {};
    return _fstat64(_fileno(file), &status) == 0 && (status.st_mode & _S_IFDIR) != 0;
#else
    struct stat status {};
    return fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode);
#endif
}

}  // namespace

bool OpenScriptFile(ScriptSource& source, const char* path) {
    source.file = std::fopen(path, "rb");
    if (source.file != nullptr && IsFolder(source.file)) {
        std::fclose(source.file);
        source.file = nullptr;
    }
    source.bytes = source.chunk;
    source.position = source.filled = 0;
    source.ended = false;
    return source.file != nullptr;
}

void OpenScriptText(ScriptSource& source, std::string_view bytes) {
    source.file = nullptr;
    source.bytes = reinterpret_cast<const unsigned char*>(bytes.data());
    source.position = 0;
    source.filled = bytes.size();
    source.ended = false;
}

void CloseScript(ScriptSource& source) {
    if (source.file != nullptr) {
        std::fclose(source.file);
        source.file = nullptr;
    }
}

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

}  // namespace plovask

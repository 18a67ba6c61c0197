#include "script/scanner.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "script/messages.h"
#include "script/report.h"
#include "script/script_state.h"

namespace plovask {
namespace {

constexpr char kQuote = '"';

bool IsSeparator(char c) {
    return c == ' ' || c == '\t';
}

// The bytes that end an unquoted token: NUL, blank and tab. A table, as the
// scanner asks it for every byte of every line.
constexpr std::array<bool, 256> kEndsUnquoted = [] {
    std::array<bool, 256> ends{};
    ends['\0'] = ends[' '] = ends['\t'] = true;
    return ends;
}();

std::uint32_t SkipSeparators(std::uint32_t position) {
    while (IsSeparator(g_state.line[position])) {
        ++position;
    }
    return position;
}

char FoldAsciiUpper(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

void ResetScanPosition() {
    g_state.scanPosition = 0;
}

Token NextToken(std::span<char> buffer) {
    const char* const line = g_state.line;
    const char* begin = line + SkipSeparators(g_state.scanPosition);
    const bool quoted = *begin == kQuote;
    begin += quoted ? 1 : 0;
    const char* end = begin;
    if (quoted) {
        while (*end != kQuote && *end != '\0') {
            ++end;
        }
    } else {
        while (!kEndsUnquoted[static_cast<unsigned char>(*end)]) {
            ++end;
        }
    }
    const auto length = static_cast<std::size_t>(end - begin);
    if (length >= buffer.size()) {
        // The scan position stays where it was.
        ReportAtLine(kTokenTooLong);
        return Token::kTooLong;
    }
    std::memcpy(buffer.data(), begin, length);
    buffer[length] = '\0';
    // The one separator or closing quote that ended the token is consumed;
    // the end of the line never is.
    g_state.scanPosition = static_cast<std::uint32_t>(end - line) + (*end != '\0' ? 1u : 0u);
    return length > 0 ? Token::kFound : Token::kNone;
}

bool OnlyBlanksRemain() {
    return g_state.line[SkipSeparators(g_state.scanPosition)] == '\0';
}

bool EqualsFolded(std::string_view left, std::string_view right) {
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (FoldAsciiUpper(left[i]) != FoldAsciiUpper(right[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace plovask

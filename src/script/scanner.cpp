#include "script/scanner.h"

#include <cstdint>

#include "frontend/report.h"
#include "script/script_state.h"

namespace plovask {
namespace {

constexpr char kQuote = '"';

bool IsSeparator(char c) {
    return c == ' ' || c == '\t';
}

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

bool NextToken(std::span<char> buffer) {
    std::uint32_t position = SkipSeparators(g_state.scanPosition);
    const bool quoted = g_state.line[position] == kQuote;
    if (quoted) {
        ++position;
    }
    std::size_t copied = 0;
    for (;; ++position) {
        const char c = g_state.line[position];
        if (c == '\0' || (quoted ? c == kQuote : IsSeparator(c))) {
            break;
        }
        if (buffer.size() - copied <= 1) {
            Report("Token too long in line %u", g_state.lineNumber);
            return false;
        }
        buffer[copied++] = c;
    }
    if (g_state.line[position] != '\0') {
        ++position;  // the one separator or closing quote that ended the token
    }
    buffer[copied] = '\0';
    g_state.scanPosition = position;
    return copied > 0;
}

bool OnlyBlanksRemain() {
    return g_state.line[SkipSeparators(g_state.scanPosition)] == '\0';
}

bool EqualsIgnoreCase(std::string_view left, std::string_view right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (FoldAsciiUpper(left[i]) != FoldAsciiUpper(right[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace plovask

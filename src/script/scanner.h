// Splits the current line into tokens, one per call, from the scan position.
#pragma once

#include <span>
#include <string_view>

namespace plovask {

// What one scan found.
enum class Token {
    kFound,    // at least one character stands in the buffer
    kNone,     // the end of the line, or an empty quoted token
    kTooLong,  // did not fit, and has been reported (kTokenTooLong)
};

// Back to the first character of the line; only the dispatcher calls it.
void ResetScanPosition();

// Copies the next token into buffer, NUL-terminated, and consumes the one
// blank, tab or closing quote that ended it. Tokens are separated by blanks
// and tabs; a token that starts with a double quote runs to the next double
// quote or the end of the line. A token that does not fit (buffer.size()
// characters or more) is reported and leaves the scan position where it was.
[[nodiscard]] Token NextToken(std::span<char> buffer);

// True when nothing but blanks and tabs is left on the line.
[[nodiscard]] bool OnlyBlanksRemain();

// Equality apart from the case of A to Z; no other byte is folded, whatever
// the locale.
[[nodiscard]] bool EqualsFolded(std::string_view left, std::string_view right);

// Inline, as the dispatcher asks it for every row it passes: most rows
// differ in length, and most words are written as the table spells them.
[[nodiscard]] inline bool EqualsIgnoreCase(std::string_view left, std::string_view right) {
    return left.size() == right.size() && (left == right || EqualsFolded(left, right));
}

}  // namespace plovask

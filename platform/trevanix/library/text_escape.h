// Texts in the store and on the screen: printable ASCII stands for itself,
// every other byte, the double quote and the backslash are written \xHH.
// So every byte from 1 to 255 survives a round trip, and no control
// character reaches a terminal.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevanix {

std::string EscapeText(std::string_view text);

// The text in double quotes, escaped.
std::string QuoteText(std::string_view text);

// Reads a quoted text at the start of input and moves input past it. Answers
// nothing for anything but a well-formed quoted text without NUL.
std::optional<std::string> UnquoteText(std::string_view& input);

}  // namespace trevanix

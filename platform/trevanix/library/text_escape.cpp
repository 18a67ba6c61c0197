#include "text_escape.h"

namespace trevanix {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool StandsForItself(unsigned char byte) {
    return byte >= 0x20 && byte <= 0x7E && byte != '"' && byte != '\\';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

std::string EscapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (StandsForItself(byte)) {
            escaped += c;
        } else {
            escaped += "\\x";
            escaped += kHexDigits[byte >> 4];
            escaped += kHexDigits[byte & 0x0F];
        }
    }
    return escaped;
}

std::string QuoteText(std::string_view text) {
    return '"' + EscapeText(text) + '"';
}

std::optional<std::string> UnquoteText(std::string_view& input) {
    if (input.empty() || input.front() != '"') {
        return std::nullopt;
    }
    std::string text;
    std::size_t i = 1;
    for (; i < input.size() && input[i] != '"'; ++i) {
        const auto byte = static_cast<unsigned char>(input[i]);
        if (byte != '\\') {
            if (!StandsForItself(byte)) {
                return std::nullopt;
            }
            text += input[i];
            continue;
        }
        if (i + 3 >= input.size() || input[i + 1] != 'x') {
            return std::nullopt;
        }
        const int high = HexValue(input[i + 2]);
        const int low = HexValue(input[i + 3]);
        if (high < 0 || low < 0 || (high == 0 && low == 0)) {
            return std::nullopt;
        }
        text += static_cast<char>(high * 16 + low);
        i += 3;
    }
    if (i == input.size()) {
        return std::nullopt;  // no closing quote
    }
    input.remove_prefix(i + 1);
    return text;
}

}  // namespace trevanix

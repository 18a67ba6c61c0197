#include "script/parameters.h"

#include "script/messages.h"
#include "script/report.h"
#include "script/scanner.h"

namespace plovask {
namespace {

// False words come first, as a script may rely on the order.
constexpr auto kBoolWords = std::to_array<Keyword>({
    {"0", 0}, {"off", 0}, {"FALSE", 0}, {"no", 0}, {"disabled", 0}, {"F", 0},
    {"1", 1}, {"on", 1}, {"TRUE", 1}, {"yes", 1}, {"enabled", 1}, {"T", 1},
});

constexpr std::uint64_t kLargestNumber = 0xFFFFFFFFu;

bool IsNumberSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool RejectNumber() {
    ReportAtLine(kExpectingNumber);
    return false;
}

}  // namespace

bool ParseKeyword(std::span<const Keyword> words, const char* message, const char* text, std::int32_t& out) {
    for (const Keyword& keyword : words) {
        if (EqualsIgnoreCase(keyword.word, text)) {
            out = keyword.value;
            return true;
        }
    }
    ReportAtLine("%s", message);
    return false;
}

bool ParseBool(const char* text, std::int32_t& out) {
    return ParseKeyword(kBoolWords, kExpectingBool, text, out);
}

bool ParseNumber(const char* text, std::uint32_t& out) {
    const char* c = text;
    while (IsNumberSpace(*c)) {
        ++c;
    }
    const bool negative = *c == '-';
    if (*c == '-' || *c == '+') {
        ++c;
    }
    if (!IsDigit(*c)) {
        return RejectNumber();
    }
    std::uint64_t value = 0;
    for (; IsDigit(*c); ++c) {
        value = value * 10 + static_cast<std::uint64_t>(*c - '0');
        if (value > kLargestNumber) {
            return RejectNumber();
        }
    }
    const auto number = static_cast<std::uint32_t>(value);
    out = negative ? 0u - number : number;
    return true;
}

bool ReadParameter(std::span<char> buffer) {
    switch (NextToken(buffer)) {
        case Token::kFound:
            return true;
        case Token::kTooLong:
            // The one fault with two messages: the scanner has said "Token
            // too long", and the parameter the command needs is still missing.
            ReportAtLine(kMissingParameter);
            return false;
        case Token::kNone:
            break;
    }
    ReportAtLine(kMissingParameter);
    return false;
}

bool ReadBoolParameter(std::int32_t& out) {
    WordBuffer word;
    return ReadParameter(word) && ParseBool(word.data(), out);
}

bool ReadNumberParameter(std::uint32_t& out) {
    WordBuffer word;
    return ReadParameter(word) && ParseNumber(word.data(), out);
}

bool ReadKeywordParameter(std::span<const Keyword> words, const char* message, std::int32_t& out) {
    WordBuffer word;
    return ReadParameter(word) && ParseKeyword(words, message, word.data(), out);
}

bool CheckNoSurplusParameter() {
    if (OnlyBlanksRemain()) {
        return true;
    }
    ReportAtLine(kTooManyParameters);
    return false;
}

void ReportApiError(std::int32_t code) {
    if (code != 0) {
        ReportAtLine(kApiErrorInCommand, static_cast<int>(code), g_state.commandWord);
    }
}

std::int32_t ApiResult(std::int32_t code) {
    ReportApiError(code);
    return code;
}

}  // namespace plovask

#include "script/parameters.h"

#include <array>

#include "frontend/report.h"
#include "script/scanner.h"
#include "script/script_state.h"

namespace plovask {
namespace {

// False words come first, as a script may rely on the order.
constexpr std::array<Keyword, 12> kBoolWords{{
    {"0", 0}, {"off", 0}, {"FALSE", 0}, {"no", 0}, {"disabled", 0}, {"F", 0},
    {"1", 1}, {"on", 1}, {"TRUE", 1}, {"yes", 1}, {"enabled", 1}, {"T", 1},
}};

constexpr std::uint64_t kLargestNumber = 0xFFFFFFFFu;

bool IsNumberSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool RejectNumber() {
    Report("Expecting numeric parameter in line %u", g_state.lineNumber);
    return false;
}

}  // namespace

std::optional<std::int32_t> LookUpKeyword(std::span<const Keyword> words, std::string_view text) {
    for (const Keyword& keyword : words) {
        if (EqualsIgnoreCase(keyword.word, text)) {
            return keyword.value;
        }
    }
    return std::nullopt;
}

bool ParseBool(const char* text, std::int32_t& out) {
    const std::optional<std::int32_t> value = LookUpKeyword(kBoolWords, text);
    if (!value) {
        Report("Expecting bool parameter in line %u", g_state.lineNumber);
        return false;
    }
    out = *value;
    return true;
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
    if (NextToken(buffer)) {
        return true;
    }
    ReportMissingParameter();
    return false;
}

bool ReadBoolParameter(std::int32_t& out) {
    return ReadParameter(g_state.parameter) && ParseBool(g_state.parameter, out) &&
           CheckNoSurplusParameter();
}

bool CheckNoSurplusParameter() {
    if (OnlyBlanksRemain()) {
        return true;
    }
    ReportTooManyParameters();
    return false;
}

void ReportMissingParameter() {
    Report("Missing required parameter in line %u", g_state.lineNumber);
}

void ReportTooManyParameters() {
    Report("Too many parameters in line %u", g_state.lineNumber);
}

void ReportApiError(std::int32_t code) {
    if (code != 0) {
        Report("API error %d in command %s in line %u", static_cast<int>(code), g_state.commandWord,
               g_state.lineNumber);
    }
}

std::int32_t ApiResult(std::int32_t code) {
    ReportApiError(code);
    return code;
}

}  // namespace plovask

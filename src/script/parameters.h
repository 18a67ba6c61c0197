// Turning parameter tokens into values, and the checks on parameters that
// every command handler shares. Each reports its own message and answers
// false when the parameter is not what the command needs.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "script/script_state.h"

namespace plovask {

// A word or a number is scanned into a buffer of this kind and converted at
// once.
using WordBuffer = std::array<char, kWordBufferSize>;

// One word of a keyword parameter and the value it stands for.
struct Keyword {
    std::string_view word;
    std::int32_t value;
};

// The value of the first word in words that equals text apart from letter
// case. Otherwise reports message about the line, leaves out alone and
// answers false.
[[nodiscard]] bool ParseKeyword(std::span<const Keyword> words, const char* message, const char* text,
                                std::int32_t& out);

// A yes/no word: out becomes 0 or 1.
[[nodiscard]] bool ParseBool(const char* text, std::int32_t& out);

// An unsigned decimal number with optional leading white space and sign; what
// follows the digits is ignored and a minus sign negates modulo 2^32. Digits
// worth more than 4294967295, or none at all, are refused; out is then left
// alone.
[[nodiscard]] bool ParseNumber(const char* text, std::uint32_t& out);

// Scans a required parameter into buffer; reports kMissingParameter when
// there is none.
[[nodiscard]] bool ReadParameter(std::span<char> buffer);

// A required yes/no word, number or keyword, converted before anything after
// it is looked at.
[[nodiscard]] bool ReadBoolParameter(std::int32_t& out);
[[nodiscard]] bool ReadNumberParameter(std::uint32_t& out);
[[nodiscard]] bool ReadKeywordParameter(std::span<const Keyword> words, const char* message, std::int32_t& out);

// The surplus check: true when nothing but blanks and tabs follows the last
// parameter; anything else is reported (kTooManyParameters).
[[nodiscard]] bool CheckNoSurplusParameter();

// Names the code, the command word as the script wrote it and the line;
// says nothing for 0.
void ReportApiError(std::int32_t code);

// The command result of an API answer: reported unless it is 0, and passed on.
[[nodiscard]] std::int32_t ApiResult(std::int32_t code);

}  // namespace plovask

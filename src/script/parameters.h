// Turning parameter tokens into values, and the messages about parameters
// that every command handler shares.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace plovask {

// One word of a keyword parameter and the value it stands for.
struct Keyword {
    std::string_view word;
    std::int32_t value;
};

// The value of the first word in words that equals text apart from letter case.
[[nodiscard]] std::optional<std::int32_t> LookUpKeyword(std::span<const Keyword> words,
                                                        std::string_view text);

// A yes/no word: out becomes 0 or 1. Otherwise reports "Expecting bool
// parameter", leaves out alone and answers false.
[[nodiscard]] bool ParseBool(const char* text, std::int32_t& out);

// An unsigned decimal number with optional leading white space and sign; what
// follows the digits is ignored and a minus sign negates modulo 2^32. Digits
// worth more than 4294967295, or none at all, are reported as "Expecting
// numeric parameter"; out is then left alone and the answer is false.
[[nodiscard]] bool ParseNumber(const char* text, std::uint32_t& out);

// Scans a required parameter into buffer; reports "Missing required
// parameter" when there is none (after "Token too long" for one that does not
// fit).
[[nodiscard]] bool ReadParameter(std::span<char> buffer);

// A required yes/no parameter followed by nothing else.
[[nodiscard]] bool ReadBoolParameter(std::int32_t& out);

// The surplus check: true when nothing but blanks and tabs follows the last
// parameter; anything else is reported as "Too many parameters".
[[nodiscard]] bool CheckNoSurplusParameter();

void ReportMissingParameter();
void ReportTooManyParameters();
// Names the code, the command word as the script wrote it and the line;
// says nothing for 0.
void ReportApiError(std::int32_t code);

// The command result of an API answer: reported unless it is 0, and passed on.
[[nodiscard]] std::int32_t ApiResult(std::int32_t code);

}  // namespace plovask

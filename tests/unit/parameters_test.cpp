#include "script/parameters.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "script/scanner.h"
#include "support/script_fixture.h"

namespace plovask_test {
namespace {

constexpr std::uint32_t kUnchanged = 12345;

struct NumberCase {
    std::string text;
    std::optional<std::uint32_t> value;  // none: refused
};

const std::vector<NumberCase> kNumberCases = {
    {"0", 0u},
    {"007", 7u},
    {"+42", 42u},
    {" \t\n\v\f\r5", 5u},
    {"12abc", 12u},
    {"0x10", 0u},
    {"4294967295", 4294967295u},
    {"-1", 4294967295u},
    {"-4294967295", 1u},
    {"-0", 0u},
    {"00000000000000000004294967295", 4294967295u},
    {"4294967296", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"-4294967296", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"-", std::nullopt},
    {"+-1", std::nullopt},
    {"- 1", std::nullopt},
    {"a1", std::nullopt},
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class ParseNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, Value) {
    ScriptFixture fixture;
    ScriptFixture::SetLine("", 3);
    std::uint32_t value = kUnchanged;
    const bool parsed = plovask::ParseNumber(GetParam().text.c_str(), value);
    ASSERT_EQ(parsed, GetParam().value.has_value());
    EXPECT_EQ(value, GetParam().value.value_or(kUnchanged));
    EXPECT_EQ(fixture.Reported(), parsed ? "" : "Expecting numeric parameter in line 3\n");
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberTest, testing::ValuesIn(kNumberCases));

struct BoolCase {
    std::string text;
    std::optional<std::int32_t> value;
};

const std::vector<BoolCase> kBoolCases = {
    {"0", 0}, {"off", 0}, {"FALSE", 0}, {"No", 0}, {"DISABLED", 0}, {"f", 0},
    {"1", 1}, {"ON", 1}, {"true", 1}, {"Yes", 1}, {"enabled", 1}, {"t", 1},
    {"", std::nullopt}, {"00", std::nullopt}, {"10", std::nullopt}, {" yes", std::nullopt},
    {"yes ", std::nullopt}, {"yess", std::nullopt}, {"y", std::nullopt}, {"none", std::nullopt},
};

void PrintTo(const BoolCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class ParseBoolTest : public testing::TestWithParam<BoolCase> {};

TEST_P(ParseBoolTest, Value) {
    ScriptFixture fixture;
    ScriptFixture::SetLine("", 9);
    std::int32_t value = 7;
    const bool parsed = plovask::ParseBool(GetParam().text.c_str(), value);
    ASSERT_EQ(parsed, GetParam().value.has_value());
    EXPECT_EQ(value, GetParam().value.value_or(7));
    EXPECT_EQ(fixture.Reported(), parsed ? "" : "Expecting bool parameter in line 9\n");
}

INSTANTIATE_TEST_SUITE_P(Words, ParseBoolTest, testing::ValuesIn(kBoolCases));

TEST(ParameterMessagesTest, ApiErrorNamesTheWordAsWritten) {
    ScriptFixture fixture;
    ScriptFixture::SetLine("targetUSE x", 4294967295u);
    ASSERT_EQ(plovask::NextToken(plovask::g_state.commandWord), plovask::Token::kFound);
    plovask::ReportApiError(0);
    plovask::ReportApiError(-2147483647 - 1);
    EXPECT_EQ(fixture.Reported(), "API error -2147483648 in command targetUSE in line 4294967295\n");
}

}  // namespace
}  // namespace plovask_test

#include "script/scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cases.h"
#include "support/script_fixture.h"

namespace plovask_test {
namespace {

using plovask::EqualsIgnoreCase;
using plovask::NextToken;

// One call of NextToken: the buffer's capacity, and what it should give.
struct Scan {
    std::size_t capacity;
    bool found;
    std::string token;  // compared only when found
};

struct ScanCase {
    const char* name;
    std::string line;
    std::vector<Scan> scans;
    std::string reported;
};

const std::vector<ScanCase> kScanCases = {
    {"BlanksAndTabsSeparate", "a  b\t\tc", {{60, true, "a"}, {60, true, "b"}, {60, true, "c"}, {60, false, ""}}, ""},
    {"QuotesKeepBlanks", "\"a b\tc\" d", {{60, true, "a b\tc"}, {60, true, "d"}}, ""},
    {"TextAfterClosingQuote", "\"a\"b c", {{60, true, "a"}, {60, true, "b"}, {60, true, "c"}}, ""},
    {"QuoteInsideUnquoted", "a\"b c\"", {{60, true, "a\"b"}, {60, true, "c\""}}, ""},
    {"UnclosedQuote", "\"a b", {{60, true, "a b"}, {60, false, ""}}, ""},
    {"EmptyQuotedToken", "\"\" b", {{60, false, ""}, {60, true, "b"}}, ""},
    {"LoneQuote", "\"", {{60, false, ""}, {60, false, ""}}, ""},
    {"ControlBytesAreOrdinary", "a\rb\x01 c", {{60, true, "a\rb\x01"}, {60, true, "c"}}, ""},
    {"ExactFit", "abcd", {{5, true, "abcd"}}, ""},
    {"ExactFitQuoted", "\"ab d\"", {{5, true, "ab d"}}, ""},
    // A token that does not fit is reported and leaves the position alone,
    // so a larger buffer still finds it.
    {"TooLongKeepsPosition", "abcde f", {{5, false, ""}, {6, true, "abcde"}, {2, true, "f"}},
     "Token too long in line 7\n"},
    {"EndOfLineStaysEnd", "a", {{60, true, "a"}, {60, false, ""}, {60, false, ""}}, ""},
};

void PrintTo(const ScanCase& c, std::ostream* out) {
    *out << c.name;
}

class ScannerTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScannerTest, Tokens) {
    ScriptFixture fixture;
    ScriptFixture::SetLine(GetParam().line, 7);
    for (const Scan& scan : GetParam().scans) {
        std::vector<char> buffer(scan.capacity, 'X');
        const bool found = NextToken(buffer) == plovask::Token::kFound;
        ASSERT_EQ(found, scan.found) << "token " << scan.token;
        if (found) {
            EXPECT_EQ(std::string(buffer.data()), scan.token);
        }
    }
    EXPECT_EQ(fixture.Reported(), GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(Lines, ScannerTest, testing::ValuesIn(kScanCases),
                         CaseName<ScanCase>);

TEST(ScannerTest, OnlyBlanksRemain) {
    ScriptFixture fixture;
    char word[60];
    ScriptFixture::SetLine("a \t ");
    ASSERT_EQ(NextToken(word), plovask::Token::kFound);
    EXPECT_TRUE(plovask::OnlyBlanksRemain());
    ScriptFixture::SetLine("a \"\"");
    ASSERT_EQ(NextToken(word), plovask::Token::kFound);
    EXPECT_FALSE(plovask::OnlyBlanksRemain());
}

TEST(EqualsIgnoreCaseTest, FoldsOnlyAsciiLetters) {
    EXPECT_TRUE(EqualsIgnoreCase("TargetCreate", "tARGETcREATE"));
    EXPECT_TRUE(EqualsIgnoreCase("", ""));
    EXPECT_FALSE(EqualsIgnoreCase("Target", "TargetCreate"));
    EXPECT_FALSE(EqualsIgnoreCase("TargetCreate", "Target"));
    // Neighbours of the letters differ by the same bit as upper and lower case.
    EXPECT_FALSE(EqualsIgnoreCase("@", "`"));
    EXPECT_FALSE(EqualsIgnoreCase("[", "{"));
    EXPECT_FALSE(EqualsIgnoreCase("^", "~"));
    // Bytes above 127 compare exactly, whatever the locale would fold.
    EXPECT_FALSE(EqualsIgnoreCase("\xC4", "\xE4"));
    EXPECT_TRUE(EqualsIgnoreCase("\xC4", "\xC4"));
}

}  // namespace
}  // namespace plovask_test

// What the store reader refuses: anything the library would not have
// written, so that a damaged store is never taken for a smaller one.
#include "store_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store_test_support.h"

namespace trevanix_test {
namespace {

const std::string kHead = "TREVANIX-STORE 1\nlock off\nentry 1 free\nentry 2 free\nentry 3 free\nentry 4 free\n";
const std::string kFields =
    "  isdn-number \"\"\n  username \"\"\n  outbound-password \"\"\n  remote-system-id \"\"\n"
    "  inbound-password \"\"\n  inbound-auth none\n  active no\n";

std::string WithEntry(const std::string& entryLine) {
    std::string text = kHead;
    text.replace(text.find("entry 1 free\n"), 13, entryLine + "\n");
    return text;
}

std::string WithTarget(const std::string& nameLine, const std::string& fields = kFields) {
    return kHead + nameLine + "\n" + fields;
}

std::string WithField(const std::string& from, const std::string& to) {
    std::string fields = kFields;
    fields.replace(fields.find(from), from.size(), to);
    return WithTarget("target \"a\"", fields);
}

struct RefusedCase {
    const char* name;
    std::string text;
    std::size_t line;  // the line the reader names: where it found, or missed, what it expected
};

const std::vector<RefusedCase> kRefused = {
    {"Empty", "", 1},
    {"NoLineFeedAfterVersion", "TREVANIX-STORE 1", 1},
    {"OtherVersion", "TREVANIX-STORE 2\n", 1},
    {"CrLfLines", "TREVANIX-STORE 1\r\nlock off\r\n", 1},
    {"LockWord", "TREVANIX-STORE 1\nlock maybe\n", 2},
    {"EntriesMissing", "TREVANIX-STORE 1\nlock off\nentry 1 free\n", 4},
    {"EntriesOutOfOrder", WithEntry("entry 2 free"), 3},
    {"ControllerTooLarge", WithEntry("entry 1 controller 4294967296 msn \"1\""), 3},
    {"ControllerSigned", WithEntry("entry 1 controller +1 msn \"1\""), 3},
    {"MsnTooLong", WithEntry("entry 1 controller 1 msn \"123456789012345\""), 3},
    {"MsnUnquoted", WithEntry("entry 1 controller 1 msn 4711"), 3},
    {"EmptyName", WithTarget("target \"\""), 7},
    {"NameTooLong", WithTarget("target \"" + std::string(100, 'n') + "\""), 7},
    {"SameNameOtherCase", WithTarget("target \"a\"") + "target \"A\"\n" + kFields, 15},
    {"FieldMissing", WithTarget("target \"a\"", kFields.substr(0, kFields.find("  active"))), 14},
    {"FieldsOutOfOrder", WithField("  isdn-number \"\"\n  username \"\"\n", "  username \"\"\n  isdn-number \"\"\n"), 8},
    {"IsdnNumberTooLong", WithField("isdn-number \"\"", "isdn-number \"" + std::string(25, '1') + "\""), 8},
    {"RawTabInText", WithField("username \"\"", "username \"a\tb\""), 9},
    {"EscapedNul", WithField("username \"\"", "username \"a\\x00b\""), 9},
    {"ShortEscape", WithField("username \"\"", "username \"a\\x4\""), 9},
    {"UnknownEscape", WithField("username \"\"", "username \"a\\qb\""), 9},
    {"TextAfterClosingQuote", WithField("username \"\"", "username \"a\" b"), 9},
    {"UnclosedQuote", WithField("username \"\"", "username \"a"), 9},
    {"AuthWord", WithField("inbound-auth none", "inbound-auth mschap"), 13},
    {"ActiveWord", WithField("active no", "active 1"), 14},
    {"LastLineWithoutLineFeed", WithTarget("target \"a\"").substr(0, WithTarget("target \"a\"").size() - 1), 14},
    {"TrailingBlankLine", WithTarget("target \"a\"") + "\n", 15},
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

class StoreRefusedTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(StoreRefusedTest, Refused) {
    trevanix::Configuration configuration;
    configuration.locked = true;
    trevanix::StoreError error;
    EXPECT_FALSE(trevanix::ParseStore(GetParam().text, configuration, error));
    EXPECT_EQ(error.line, GetParam().line) << error.reason;
    EXPECT_FALSE(error.reason.empty());
    EXPECT_EQ(configuration, trevanix::Configuration{}) << "nothing of a refused store is kept";
}

std::string RefusedName(const testing::TestParamInfo<RefusedCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Texts, StoreRefusedTest, testing::ValuesIn(kRefused), RefusedName);

TEST(StoreFormatTest, ReadsWhatItWrites) {
    trevanix::Configuration configuration;
    configuration.locked = true;
    configuration.entries[2] = {true, 4294967295u, "\x01\xFF\""};
    configuration.targets["b\\"] = Site("B\\", {.isdnNumber = "1", .username = "\"quoted\"", .outboundPassword = "o",
                                              .remoteSystemId = "r", .inboundPassword = "i", .inboundAuth = 2,
                                              .active = true});
    configuration.targets["a"] = Site("a");
    const std::string text = trevanix::FormatStore(configuration);
    trevanix::Configuration read;
    trevanix::StoreError error;
    ASSERT_TRUE(trevanix::ParseStore(text, read, error)) << error.line << ": " << error.reason;
    EXPECT_EQ(read, configuration);
    EXPECT_EQ(trevanix::FormatStore(read), text);
}

}  // namespace
}  // namespace trevanix_test

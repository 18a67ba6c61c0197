// Whole scripts in-process, through dispatch and the handlers, against the
// recording fake: the command word's lookup, the one fault with two
// messages, and what a handler's answer does to the run.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/cases.h"
#include "support/script_fixture.h"

namespace plovask_test {
namespace {

const std::vector<std::string> kOpened = {"CfgOpen(0)", "CfgBegin()"};
const std::vector<std::string> kClosed = {"CfgEnd()", "CfgClose()"};

struct DispatchCase {
    std::string name;
    std::string script;
    std::string plan{};
    std::int32_t result = 0;
    std::string messages{};
    std::vector<std::string> calls{};  // between opening and closing
};

void PrintTo(const DispatchCase& c, std::ostream* out) {
    *out << c.name;
}

const std::vector<DispatchCase> kCases = {
    {.name = "AnyLetterCaseFindsTheRow", .script = "tARGETuSE a\n", .calls = {R"(CfgTargetUse("a"))"}},
    {.name = "QuotedCommandWord", .script = "\"TargetUnuse\"\n", .calls = {"CfgTargetUnuse(1, &r)"}},
    {.name = "PrefixIsUnknown", .script = "Target a\n", .result = -1, .messages = "Unknown command Target in line 1\n"},
    {.name = "NameWithQuotedParameterGlued", .script = "TargetUse\"a\"\n", .result = -1,
     .messages = "Unknown command TargetUse\"a\" in line 1\n"},
    {.name = "UnknownWordOf59", .script = Repeat('w', 59) + "\n", .result = -1,
     .messages = "Unknown command " + Repeat('w', 59) + " in line 1\n"},
    {.name = "WordOf60IsTooLong", .script = Repeat('w', 60) + "\n", .result = -1,
     .messages = "Token too long in line 1\n"},
    {.name = "EmptyQuotedWordIsSilent", .script = "\"\" TargetUnuse\nTargetUnuse\n", .result = -1},
    {.name = "CommentMarkAfterBlanks", .script = "  #x y\n", .result = -1, .messages = "Unknown command #x in line 1\n"},
    // An over-long required parameter: the scanner's message, then the
    // handler's, and no call.
    {.name = "OverLongParameterTwoMessages", .script = "\n\nTargetSetUsername " + Repeat('u', 100) + "\n", .result = -1,
     .messages = "Token too long in line 3\nMissing required parameter in line 3\n"},
    {.name = "MsnRowTakesFourteen", .script = "SetMSNForController 2 " + Repeat('9', 15) + "\n", .result = -1,
     .messages = "Token too long in line 1\nMissing required parameter in line 1\n"},
    {.name = "AuthWordJudgedBeforeSurplus", .script = "TargetSetInboundAuth pip extra\n", .result = -1,
     .messages = "Use NONE, PAP or CHAP as authentication parameter in line 1\n"},
    {.name = "HandlersCodePassesThrough", .script = "TargetCreate a\nTargetUse a\nTargetUnuse\n",
     .plan = "CfgTargetUse=300", .result = 300, .messages = "API error 300 in command TargetUse in line 2\n",
     .calls = {R"(CfgTargetCreate("a"))", R"(CfgTargetUse("a"))"}},
    {.name = "EachRowWritesItsAttribute",
     .script = "TargetSetISDNNumber 1\nTargetSetUsername 2\nTargetSetOutboundPassword 3\nTargetSetInboundAuth chap\n"
               "TargetSetRemoteSystemId 4\nTargetSetInboundPassword 5\nTargetSetActive yes\nLockConfig off\n",
     .calls = {R"(CfgSetString(120, "1"))", R"(CfgSetString(121, "2"))", R"(CfgSetString(122, "3"))",
               "CfgSetNumber(123, 2)", R"(CfgSetString(124, "4"))", R"(CfgSetString(125, "5"))", "CfgSetFlag(126, 1)",
               "CfgLock(0)"}},
};

class DispatchTest : public testing::TestWithParam<DispatchCase> {};

TEST_P(DispatchTest, Run) {
    const DispatchCase& c = GetParam();
    const ScriptRun run = RunScriptString(c.script, c.plan);
    EXPECT_EQ(run.result, c.result);
    EXPECT_EQ(run.messages, c.messages);
    EXPECT_EQ(run.calls, Join({kOpened, c.calls, kClosed}));
}

INSTANTIATE_TEST_SUITE_P(Scripts, DispatchTest, testing::ValuesIn(kCases), CaseName<DispatchCase>);

}  // namespace
}  // namespace plovask_test

// Every command of the script language: the calls it makes, with which
// arguments, and what it makes of the library's answers.
#include <string>

#include "e2e_case.h"

namespace plovask_test {
namespace {

std::string SetString(int attribute, const std::string& text) {
    return "CfgSetString(" + std::to_string(attribute) + ", \"" + text + "\")";
}

// The calls of one SetMSNForController line once the entry loop has run.
std::vector<std::string> MsnCalls(const std::string& controller, const std::string& msn,
                                  std::vector<std::string> entryCalls = {"CfgUseEntry(1)"}) {
    entryCalls.push_back("CfgSetNumber(100, " + controller + ")");
    entryCalls.push_back(SetString(101, msn));
    entryCalls.push_back("CfgTargetUnuse(1, &r)");
    return entryCalls;
}

const char* const kTooLong = "Token too long in line 1\nMissing required parameter in line 1\n";

const std::vector<Case> kCases = {
    // Target lifecycle.
    {.name = "CreateExistingIsSuccess", .script = "TargetCreate a\nTargetCreate A\nTargetUse a\n",
     .plan = "CfgTargetCreate=5,10",
     .calls = Bracket({R"(CfgTargetCreate("a"))", R"(CfgTargetCreate("A"))", R"(CfgTargetUse("a"))"})},
    {.name = "CreateFails", .script = "TargetCreate a\n", .plan = "CfgTargetCreate=7", .status = 7,
     .stderrText = "API error 7 in command TargetCreate in line 1\n",
     .calls = Bracket({R"(CfgTargetCreate("a"))"})},
    {.name = "DeleteSelectsThenDeletes", .script = "TargetDelete \"old site\"\n",
     .calls = Bracket({R"(CfgTargetUse("old site"))", "CfgTargetDelete()"})},
    {.name = "DeleteOfMissingTargetIsSuccess", .script = "TargetDelete a\nTargetUnuse\n",
     .plan = "CfgTargetUse=6", .calls = Bracket({R"(CfgTargetUse("a"))", "CfgTargetUnuse(1, &r)"})},
    {.name = "DeleteSelectionFails", .script = "TargetDelete a\n", .plan = "CfgTargetUse=4", .status = 4,
     .stderrText = "API error 4 in command TargetDelete in line 1\n",
     .calls = Bracket({R"(CfgTargetUse("a"))"})},
    {.name = "DeleteFailsWithDeleteCode", .script = "targetdelete a\n", .plan = "CfgTargetDelete=3",
     .status = 3, .stderrText = "API error 3 in command targetdelete in line 1\n",
     .calls = Bracket({R"(CfgTargetUse("a"))", "CfgTargetDelete()"})},
    {.name = "UseOfMissingTargetFails", .script = "TargetUse a\nTargetUnuse\n", .plan = "CfgTargetUse=6",
     .status = 6, .stderrText = "API error 6 in command TargetUse in line 1\n",
     .calls = Bracket({R"(CfgTargetUse("a"))"})},
    {.name = "UnuseFails", .script = "TARGETUNUSE\n", .plan = "CfgTargetUnuse=2", .status = 2,
     .stderrText = "API error 2 in command TARGETUNUSE in line 1\n",
     .calls = Bracket({"CfgTargetUnuse(1, &r)"})},

    // The five text attributes: attribute id, exact text, longest text.
    {.name = "TextAttributes",
     .script = "TargetSetISDNNumber 0301234567\n"
               "TargetSetUsername \"Jane Doe\"\n"
               "TargetSetOutboundPassword pa\"ss\n"
               "TargetSetRemoteSystemId HQ-ROUTER\n"
               "TargetSetInboundPassword \"s e\tc\"\n",
     .calls = Bracket({SetString(120, "0301234567"), SetString(121, "Jane Doe"),
                       SetString(122, "pa\\x22ss"), SetString(124, "HQ-ROUTER"),
                       SetString(125, "s e\\x09c")})},
    {.name = "IsdnNumber24AndLetters", .script = "TargetSetISDNNumber " + Repeat('9', 20) + "ext1\n",
     .calls = Bracket({SetString(120, Repeat('9', 20) + "ext1")})},
    {.name = "IsdnNumber25IsTooLong", .script = "TargetSetISDNNumber " + Repeat('9', 25) + "\n",
     .status = 255, .stderrText = kTooLong, .calls = Bracket({})},
    {.name = "Username99", .script = "TargetSetUsername " + Repeat('u', 99) + "\n",
     .calls = Bracket({SetString(121, Repeat('u', 99))})},
    {.name = "InboundPassword100IsTooLong", .script = "TargetSetInboundPassword " + Repeat('p', 100) + "\n",
     .status = 255, .stderrText = kTooLong, .calls = Bracket({})},
    {.name = "EmptyQuotedTextIsMissing", .script = "TargetSetRemoteSystemId \"\"\n", .status = 255,
     .stderrText = "Missing required parameter in line 1\n", .calls = Bracket({})},
    {.name = "TextAttributeFails", .script = "targetsetusername bob\n", .plan = "CfgSetString=3",
     .status = 3, .stderrText = "API error 3 in command targetsetusername in line 1\n",
     .calls = Bracket({SetString(121, "bob")})},

    // Passwords never reach a diagnostic, whatever goes wrong on their line.
    {.name = "PasswordLineWithSurplus", .script = "TargetSetOutboundPassword \"Tr0ub4dor&3\" Tr0ub4dor&3\n",
     .args = {"-eerr.txt"}, .status = 255, .calls = Bracket({}),
     .files = {{"err.txt", "Too many parameters in line 1\n"}}},
    {.name = "PasswordLineRefusedByLibrary", .script = "TargetSetInboundPassword Tr0ub4dor&3\n",
     .plan = "CfgSetString=8", .status = 8,
     .stderrText = "API error 8 in command TargetSetInboundPassword in line 1\n",
     .calls = Bracket({SetString(125, "Tr0ub4dor&3")})},

    // Inbound authentication: the five words, in any case.
    {.name = "AuthWords",
     .script = "TargetSetInboundAuth none\nTargetSetInboundAuth NO\nTargetSetInboundAuth Disabled\n"
               "TargetSetInboundAuth pap\nTargetSetInboundAuth \"CHAP\"\n",
     .calls = Bracket({"CfgSetNumber(123, 0)", "CfgSetNumber(123, 0)", "CfgSetNumber(123, 0)",
                       "CfgSetNumber(123, 1)", "CfgSetNumber(123, 2)"})},
    {.name = "AuthRefusesBoolWords", .script = "TargetSetInboundAuth off\n", .status = 255,
     .stderrText = "Use NONE, PAP or CHAP as authentication parameter in line 1\n", .calls = Bracket({})},
    {.name = "AuthRefusesLongerWord", .script = "TargetSetInboundAuth CHAPS\n", .status = 255,
     .stderrText = "Use NONE, PAP or CHAP as authentication parameter in line 1\n", .calls = Bracket({})},
    {.name = "AuthBadWordBeforeSurplus", .script = "TargetSetInboundAuth x y\n", .status = 255,
     .stderrText = "Use NONE, PAP or CHAP as authentication parameter in line 1\n", .calls = Bracket({})},
    {.name = "AuthGoodWordWithSurplus", .script = "TargetSetInboundAuth PAP \"\"\n", .status = 255,
     .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},
    {.name = "AuthMissing", .script = "TargetSetInboundAuth\n", .status = 255,
     .stderrText = "Missing required parameter in line 1\n", .calls = Bracket({})},
    {.name = "AuthFails", .script = "TargetSetInboundAuth chap\n", .plan = "CfgSetNumber=2", .status = 2,
     .stderrText = "API error 2 in command TargetSetInboundAuth in line 1\n",
     .calls = Bracket({"CfgSetNumber(123, 2)"})},

    // The active flag.
    {.name = "ActiveWords", .script = "TargetSetActive yes\nTargetSetActive OFF\nTargetSetActive t\n",
     .calls = Bracket({"CfgSetFlag(126, 1)", "CfgSetFlag(126, 0)", "CfgSetFlag(126, 1)"})},
    {.name = "ActiveRefusesOtherWords", .script = "TargetSetActive 10 more\n", .status = 255,
     .stderrText = "Expecting bool parameter in line 1\n", .calls = Bracket({})},
    {.name = "ActiveWordTooLong", .script = "TargetSetActive " + Repeat('y', 60) + "\n", .status = 255,
     .stderrText = kTooLong, .calls = Bracket({})},
    {.name = "ActiveFails", .script = "TargetSetActive on\n", .plan = "CfgSetFlag=3", .status = 3,
     .stderrText = "API error 3 in command TargetSetActive in line 1\n",
     .calls = Bracket({"CfgSetFlag(126, 1)"})},

    // Controller MSNs: the entry loop and the release.
    {.name = "MsnFirstEntryAccepted", .script = "SetMSNForController 1 \"555 1234\"\n",
     .calls = Bracket(MsnCalls("1", "555 1234"))},
    {.name = "MsnThirdEntryAccepted", .script = "SetMSNForController 2 77\n", .plan = "CfgUseEntry=6,6,0",
     .calls = Bracket(MsnCalls("2", "77", {"CfgUseEntry(1)", "CfgUseEntry(2)", "CfgUseEntry(3)"}))},
    {.name = "MsnAllEntriesTaken", .script = "SetMSNForController 1 77\n", .plan = "CfgUseEntry=6,6,6,6",
     .calls = Bracket(MsnCalls("1", "77",
                               {"CfgUseEntry(1)", "CfgUseEntry(2)", "CfgUseEntry(3)", "CfgUseEntry(4)"}))},
    {.name = "MsnEntryRefused", .script = "setmsnforcontroller 1 77\n", .plan = "CfgUseEntry=6,9",
     .status = 9, .stderrText = "API error 9 in command setmsnforcontroller in line 1\n",
     .calls = Bracket({"CfgUseEntry(1)", "CfgUseEntry(2)"})},
    {.name = "MsnControllerRefusedStillReleases", .script = "SetMSNForController 1 77\n",
     .plan = "CfgSetNumber=2 CfgTargetUnuse=5", .status = 2,
     .stderrText = "API error 2 in command SetMSNForController in line 1\n",
     .calls = Bracket({"CfgUseEntry(1)", "CfgSetNumber(100, 1)", "CfgTargetUnuse(1, &r)"})},
    {.name = "MsnTextRefusedStillReleases", .script = "SetMSNForController 1 77\n",
     .plan = "CfgSetString=8", .status = 8,
     .stderrText = "API error 8 in command SetMSNForController in line 1\n",
     .calls = Bracket(MsnCalls("1", "77"))},
    {.name = "MsnReleaseFailureIsIgnored", .script = "SetMSNForController 1 77\n",
     .plan = "CfgTargetUnuse=3", .calls = Bracket(MsnCalls("1", "77"))},
    {.name = "MsnControllerNumbers",
     .script = "SetMSNForController 0 1\nSetMSNForController 4294967295 2\n"
               "SetMSNForController \" +7x\" 3\nSetMSNForController -1 4\n",
     .calls = Bracket(Join({MsnCalls("0", "1"), MsnCalls("4294967295", "2"), MsnCalls("7", "3"),
                            MsnCalls("4294967295", "4")}))},
    {.name = "MsnControllerTooLarge", .script = "SetMSNForController 4294967296 1\n", .status = 255,
     .stderrText = "Expecting numeric parameter in line 1\n", .calls = Bracket({})},
    {.name = "MsnControllerNotANumber", .script = "SetMSNForController one 1\n", .status = 255,
     .stderrText = "Expecting numeric parameter in line 1\n", .calls = Bracket({})},
    {.name = "MsnControllerMissing", .script = "SetMSNForController\n", .status = 255,
     .stderrText = "Missing required parameter in line 1\n", .calls = Bracket({})},
    {.name = "Msn14", .script = "SetMSNForController 1 " + Repeat('4', 14) + "\n",
     .calls = Bracket(MsnCalls("1", Repeat('4', 14)))},
    {.name = "Msn15IsTooLong", .script = "SetMSNForController 1 " + Repeat('5', 15) + "\n", .status = 255,
     .stderrText = kTooLong, .calls = Bracket({})},
    {.name = "MsnEmptyQuotedIsMissing", .script = "SetMSNForController 1 \"\"\n", .status = 255,
     .stderrText = "Missing required parameter in line 1\n", .calls = Bracket({})},
    {.name = "MsnSurplus", .script = "SetMSNForController 1 2 3\n", .status = 255,
     .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},

    // The configuration lock.
    {.name = "LockWords", .script = "LockConfig ON\nLockConfig false\n",
     .calls = Bracket({"CfgLock(1)", "CfgLock(0)"})},
    {.name = "LockBadWordBeforeSurplus", .script = "LockConfig locked now\n", .status = 255,
     .stderrText = "Expecting bool parameter in line 1\n", .calls = Bracket({})},
    {.name = "LockSurplus", .script = "LockConfig 1 0\n", .status = 255,
     .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},
    {.name = "LockFails", .script = "lockconfig yes\n", .plan = "CfgLock=4", .status = 4,
     .stderrText = "API error 4 in command lockconfig in line 1\n", .calls = Bracket({"CfgLock(1)"})},
};

INSTANTIATE_TEST_SUITE_P(Commands, EndToEnd, testing::ValuesIn(kCases), CaseName<Case>);

}  // namespace
}  // namespace plovask_test

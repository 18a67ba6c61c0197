// The command line, the error files, the calls around the script and the
// exit status.
#include "e2e_case.h"

namespace plovask_test {
namespace {

const char* const kCreateA = "TargetCreate a\n";
const char* const kUnknown = "Bogus\n";

const std::vector<Case> kCases = {
    // Choosing the script.
    {.name = "NoArgumentsRunsVorstelCfg", .script = kCreateA,
     .calls = Bracket({R"(CfgTargetCreate("a"))"})},
    {.name = "SlashAndUpperCaseLetter", .script = kCreateA, .args = {"/Fother.cfg"},
     .calls = Bracket({R"(CfgTargetCreate("a"))"}), .scriptName = "other.cfg"},
    {.name = "LaterFReplacesEarlier", .script = kCreateA, .args = {"-fnone.cfg", "-fother.cfg"},
     .calls = Bracket({R"(CfgTargetCreate("a"))"}), .scriptName = "other.cfg"},
    {.name = "FValueInNextWordIsUsage", .script = kCreateA, .args = {"-f", "vorstel.cfg"},
     .status = 255, .stderrText = kUsageText},
    {.name = "FAloneOpensEmptyPath", .script = kCreateA, .args = {"-f"}, .status = 255,
     .stderrText = "Can't open file \n", .calls = Bracket({})},
    {.name = "MissingScript", .status = 255, .stderrText = "Can't open file vorstel.cfg\n",
     .calls = Bracket({}), .scriptName = ""},
    {.name = "ScriptIsAFolder", .args = {"-f."}, .status = 255, .stderrText = "Can't open file .\n",
     .calls = Bracket({})},
    {.name = "UnreadableScript", .args = {"-f/proc/self/mem"}, .status = 255,
     .stderrText = "Can't read file /proc/self/mem\n", .calls = Bracket({}), .posixOnly = true},

    // The usage text.
    {.name = "DashH", .script = kCreateA, .args = {"-h"}, .status = 255, .stderrText = kUsageText},
    {.name = "SlashUpperH", .script = kCreateA, .args = {"/H"}, .status = 255, .stderrText = kUsageText},
    {.name = "BareDash", .script = kCreateA, .args = {"-"}, .status = 255, .stderrText = kUsageText},
    {.name = "BareSlash", .script = kCreateA, .args = {"/"}, .status = 255, .stderrText = kUsageText},
    {.name = "UnknownLetter", .script = kCreateA, .args = {"-x"}, .status = 255,
     .stderrText = kUsageText},
    {.name = "WordWithoutDash", .script = kCreateA, .args = {"vorstel.cfg"}, .status = 255,
     .stderrText = kUsageText},
    {.name = "HAfterErrorFileStopsExamining", .script = kCreateA,
     .args = {"-eerr.txt", "-h", "-e/nonexistent/x"}, .status = 255, .stderrText = kUsageText,
     .files = {{"err.txt", ""}}},

    // Error files.
    {.name = "ErrorFileTakesMessages", .script = kUnknown, .args = {"-eerr.txt"}, .status = 255,
     .calls = Bracket({}), .files = {{"err.txt", "Unknown command Bogus in line 1\n"}}},
    {.name = "ErrorFileIsEmptiedFirst", .script = kCreateA, .args = {"-Eerr.txt"},
     .calls = Bracket({R"(CfgTargetCreate("a"))"}), .files = {{"err.txt", ""}},
     .before = {{"err.txt", "old text\n"}}},
    {.name = "SecondErrorFileWins", .script = kUnknown, .args = {"-eone.txt", "/etwo.txt"},
     .status = 255, .calls = Bracket({}),
     .files = {{"one.txt", ""}, {"two.txt", "Unknown command Bogus in line 1\n"}}},
    {.name = "FailedErrorFileFallsBackToStderr", .script = kUnknown,
     .args = {"-eone.txt", "-enowhere/two.txt"}, .status = 255,
     .stderrText = "Can't write to file nowhere/two.txt\nUnknown command Bogus in line 1\n",
     .calls = Bracket({}), .files = {{"one.txt", ""}}},
    {.name = "ErrorFileOnFullDisk", .script = kUnknown, .args = {"-e/dev/full"}, .status = 255,
     .calls = Bracket({}), .posixOnly = true},
    {.name = "EmptyErrorFileName", .script = kCreateA, .args = {"-e"},
     .stderrText = "Can't write to file \n", .calls = Bracket({R"(CfgTargetCreate("a"))"})},

    // The calls around the script.
    {.name = "OpenFails", .script = kCreateA, .plan = "CfgOpen=3", .status = 255,
     .calls = {"CfgOpen(0)"}},
    {.name = "BeginFailsWithItsCode", .script = kCreateA, .plan = "CfgBegin=9", .status = 9,
     .calls = {"CfgOpen(0)", "CfgBegin()", "CfgClose()"}},
    {.name = "BeginFailsWithoutLowBits", .plan = "CfgBegin=512", .status = 255,
     .calls = {"CfgOpen(0)", "CfgBegin()", "CfgClose()"}, .scriptName = "", .windowsStatus = 512},
    {.name = "EndFailsAfterCleanRun", .script = kCreateA, .plan = "CfgEnd=7", .status = 7,
     .stderrText = "API error 7 at end of configuration\n",
     .calls = Bracket({R"(CfgTargetCreate("a"))"})},
    {.name = "EndFailureAfterFailedLineIsIgnored", .script = "TargetUse a\n",
     .plan = "CfgTargetUse=6 CfgEnd=7", .status = 6,
     .stderrText = "API error 6 in command TargetUse in line 1\n",
     .calls = Bracket({R"(CfgTargetUse("a"))"})},
    {.name = "CloseFailureIsIgnored", .script = kCreateA, .plan = "CfgClose=3",
     .calls = Bracket({R"(CfgTargetCreate("a"))"})},
    {.name = "ThirdLineFailsWithApiCode", .script = "TargetCreate a\nTargetUse a\nTargetDelete b\nTargetUnuse\n",
     .plan = "CfgTargetUse=0,0 CfgTargetDelete=4", .status = 4,
     .stderrText = "API error 4 in command TargetDelete in line 3\n",
     .calls = Bracket({R"(CfgTargetCreate("a"))", R"(CfgTargetUse("a"))", R"(CfgTargetUse("b"))",
                       "CfgTargetDelete()"})},

    // Exit statuses of API codes beyond 8 bits.
    {.name = "CodeWithoutLowBitsIsStillFailure", .script = "TargetUse a\n", .plan = "CfgTargetUse=256",
     .status = 255, .stderrText = "API error 256 in command TargetUse in line 1\n",
     .calls = Bracket({R"(CfgTargetUse("a"))"}), .windowsStatus = 256},
    {.name = "LargeCodeKeepsLowBits", .script = "TargetUse a\n", .plan = "CfgTargetUse=300",
     .status = 44, .stderrText = "API error 300 in command TargetUse in line 1\n",
     .calls = Bracket({R"(CfgTargetUse("a"))"}), .windowsStatus = 300},
    {.name = "NegativeCode", .script = "TargetUse a\n", .plan = "CfgTargetUse=-5", .status = 251,
     .stderrText = "API error -5 in command TargetUse in line 1\n",
     .calls = Bracket({R"(CfgTargetUse("a"))"}), .windowsStatus = -5},
};

INSTANTIATE_TEST_SUITE_P(RunSequence, EndToEnd, testing::ValuesIn(kCases), CaseName<Case>);

}  // namespace
}  // namespace plovask_test

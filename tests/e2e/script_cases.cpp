// Reading the script, scanning its tokens, finding the command and checking
// parameters, seen from outside.
#include <string>

#include "e2e_case.h"

namespace plovask_test {
namespace {

using namespace std::string_literals;

const std::string kCreate = R"(CfgTargetCreate("a"))";

const std::vector<Case> kCases = {
    // Lines, line ends and comments.
    {.name = "EmptyScript", .script = "", .calls = Bracket({})},
    {.name = "OnlyCommentsAndBlankLines", .script = "# one\n; two\n// three\n \t \n\n\r\n",
     .calls = Bracket({})},
    {.name = "SingleSlashIsNoComment", .script = "/x\n", .status = 255,
     .stderrText = "Unknown command /x in line 1\n", .calls = Bracket({})},
    {.name = "CommentMarkAfterBlanksIsACommand", .script = "# c\n  #not a comment\n", .status = 255,
     .stderrText = "Unknown command #not in line 2\n", .calls = Bracket({})},
    {.name = "LineNumbersCountEveryLine", .script = "# c\n\nTargetCreate a\n; c\nBogus\n", .status = 255,
     .stderrText = "Unknown command Bogus in line 5\n", .calls = Bracket({kCreate})},
    {.name = "CrLfAndTrailingBlanks", .script = "TargetCreate a \t\r\nTargetUse \"b\"  \r\n",
     .calls = Bracket({kCreate, R"(CfgTargetUse("b"))"})},
    {.name = "LoneCrIsAnOrdinaryCharacter", .script = "TargetCreate a\rTargetUse b\n", .status = 255,
     .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},
    {.name = "LoneCrInsideAName", .script = "TargetCreate a\rb\n",
     .calls = Bracket({R"(CfgTargetCreate("a\x0Db"))"})},
    {.name = "CtrlZEndsTheScript", .script = "TargetCreate a\032TargetCreate b\nBogus\n",
     .calls = Bracket({kCreate})},
    {.name = "NulEndsTheLinesText", .script = "TargetCreate a\0 junk\nTargetUse b\n"s,
     .calls = Bracket({kCreate, R"(CfgTargetUse("b"))"})},
    {.name = "LastLineWithoutLineFeed", .script = "TargetCreate a", .calls = Bracket({kCreate})},
    {.name = "FirstFailingLineEndsTheRun", .script = "TargetCreate a\nBogus\nTargetCreate b\n",
     .status = 255, .stderrText = "Unknown command Bogus in line 2\n", .calls = Bracket({kCreate})},
    {.name = "HighBytesPassUnchanged", .script = "TargetCreate \xE4\xF6\xFC\xFF\n",
     .calls = Bracket({R"(CfgTargetCreate("\xE4\xF6\xFC\xFF"))"})},

    // Long lines: one physical line is one line.
    {.name = "Line255IsReadWhole", .script = "TargetCreate a" + Repeat(' ', 241) + "\nBogus\n",
     .status = 255, .stderrText = "Unknown command Bogus in line 2\n", .calls = Bracket({kCreate})},
    {.name = "Line255WithCrLf", .script = "TargetCreate a" + Repeat('\t', 241) + "\r\nBogus\r\n",
     .status = 255, .stderrText = "Unknown command Bogus in line 2\n", .calls = Bracket({kCreate})},
    {.name = "Line256IsTooLong", .script = "TargetCreate a\nTargetCreate b" + Repeat(' ', 242) + "\n",
     .status = 255, .stderrText = "Line too long in line 2\n", .calls = Bracket({kCreate})},
    {.name = "TooLongWithoutLineFeed", .script = "TargetCreate " + Repeat('x', 300), .status = 255,
     .stderrText = "Line too long in line 1\n", .calls = Bracket({})},
    {.name = "BytesAfterNulCountTowardsLength", .script = "TargetCreate a\0"s + Repeat('x', 250) + "\n",
     .status = 255, .stderrText = "Line too long in line 1\n", .calls = Bracket({})},
    {.name = "LongCommentLinesAreSkipped",
     .script = "#" + Repeat('#', 400) + "\n;" + Repeat('x', 300) + "\n//" + Repeat('y', 600) + "\nBogus\n",
     .status = 255, .stderrText = "Unknown command Bogus in line 4\n", .calls = Bracket({})},
    {.name = "CrOnlyLineEndsMakeOneLongLine",
     .script = "TargetCreate a\r" + Repeat('x', 100) + "\r" + Repeat('y', 200) + "\r", .status = 255,
     .stderrText = "Line too long in line 1\n", .calls = Bracket({})},

    // Tokens and the command word.
    {.name = "CommandWordIgnoresCase", .script = "tARGETcREATE a\n", .calls = Bracket({kCreate})},
    {.name = "QuotedCommandWord", .script = "\"TargetCreate\" a\n", .calls = Bracket({kCreate})},
    {.name = "BlanksAndTabsBeforeTheWord", .script = " \t TargetCreate \t  a\n",
     .calls = Bracket({kCreate})},
    {.name = "QuotedNameKeepsBlanksAndTabs", .script = "TargetCreate \"a b\tc\"\n",
     .calls = Bracket({R"(CfgTargetCreate("a b\x09c"))"})},
    {.name = "UnclosedQuoteRunsToLineEnd", .script = "TargetCreate \"a  b   \n",
     .calls = Bracket({R"(CfgTargetCreate("a  b"))"})},
    {.name = "QuoteInsideUnquotedToken", .script = "TargetCreate a\"b\n",
     .calls = Bracket({R"(CfgTargetCreate("a\x22b"))"})},
    {.name = "TextAfterClosingQuoteIsAnotherToken", .script = "TargetCreate \"a\"b\n", .status = 255,
     .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},
    {.name = "PrefixOfACommand", .script = "TargetCreat a\n", .status = 255,
     .stderrText = "Unknown command TargetCreat in line 1\n", .calls = Bracket({})},
    {.name = "CommandGluedToQuotedParameter", .script = "TargetCreate\"a\"\n", .status = 255,
     .stderrText = "Unknown command TargetCreate\"a\" in line 1\n", .calls = Bracket({})},
    {.name = "QuotedWordWithBlank", .script = "\"Target Create\" a\n", .status = 255,
     .stderrText = "Unknown command Target Create in line 1\n", .calls = Bracket({})},
    {.name = "Word59IsLookedUp", .script = Repeat('W', 59) + "\n", .status = 255,
     .stderrText = "Unknown command " + Repeat('W', 59) + " in line 1\n", .calls = Bracket({})},
    {.name = "Word60IsTooLong", .script = Repeat('W', 60) + "\n", .status = 255,
     .stderrText = "Token too long in line 1\n", .calls = Bracket({})},
    {.name = "EmptyQuotedWordFailsSilently", .script = "\"\" TargetCreate a\n", .status = 255,
     .calls = Bracket({})},
    {.name = "LoneQuoteFailsSilently", .script = "TargetCreate a\n\"\n", .status = 255,
     .calls = Bracket({kCreate})},

    // Required and surplus parameters.
    {.name = "MissingParameter", .script = "TargetCreate\n", .status = 255,
     .stderrText = "Missing required parameter in line 1\n", .calls = Bracket({})},
    {.name = "EmptyQuotedParameterIsMissing", .script = "TargetCreate \"\" a\n", .status = 255,
     .stderrText = "Missing required parameter in line 1\n", .calls = Bracket({})},
    {.name = "Name99IsPassedWhole", .script = "TargetCreate " + Repeat('n', 99) + "\n",
     .calls = Bracket({"CfgTargetCreate(\"" + Repeat('n', 99) + "\")"})},
    {.name = "Name100IsTooLong", .script = "TargetCreate " + Repeat('n', 100) + "\n", .status = 255,
     .stderrText = "Token too long in line 1\nMissing required parameter in line 1\n",
     .calls = Bracket({})},
    {.name = "SurplusToken", .script = "TargetCreate a b\n", .status = 255,
     .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},
    {.name = "SurplusEmptyQuotedToken", .script = "TargetCreate a \"\" b\n", .status = 255,
     .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},
    {.name = "SurplusLoneQuote", .script = "TargetCreate a \"\n", .status = 255,
     .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},
    {.name = "SurplusLongTokenReportedOnce", .script = "TargetCreate a " + Repeat('s', 80) + "\n",
     .status = 255, .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},
    {.name = "SurplusAfterNoParameterCommand", .script = "TargetUnuse x\n", .status = 255,
     .stderrText = "Too many parameters in line 1\n", .calls = Bracket({})},
};

INSTANTIATE_TEST_SUITE_P(Script, EndToEnd, testing::ValuesIn(kCases), CaseName<Case>);

}  // namespace
}  // namespace plovask_test

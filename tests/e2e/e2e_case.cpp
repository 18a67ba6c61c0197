#include "e2e_case.h"

#include <filesystem>

#include "support/process.h"
#include "support/test_folder.h"

namespace plovask_test {

const char* const kUsageText =
    "PLOVASK  Vorstel/ISDN configuration tool\n"
    "Applies a configuration script, one command a line, to the ISDN dial-up configuration.\n"
    "\n"
    "use: plovask [-h] [-f<configfile>] [-e<errorfile>]\n"
    "\n"
    "  -f<configfile> defines the input file (default is VORSTEL.CFG)\n"
    "  -e<errfile>    defines the error file (default is stderr)\n"
    "  -h             displays this information\n";

std::vector<std::string> Bracket(std::vector<std::string> commandCalls) {
    std::vector<std::string> calls{"CfgOpen(0)", "CfgBegin()"};
    calls.insert(calls.end(), commandCalls.begin(), commandCalls.end());
    calls.push_back("CfgEnd()");
    calls.push_back("CfgClose()");
    return calls;
}

namespace {

// Standard error and the error files are text streams on Windows.
std::string AsWritten(const std::string& text, bool windows) {
    if (!windows) {
        return text;
    }
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return crlf;
}

int ExpectedStatus(const Case& c, bool windows) {
    if (!windows) {
        return c.status;
    }
    return c.windowsStatus.value_or(c.status == 255 ? -1 : c.status);
}

}  // namespace

TEST_P(EndToEnd, Run) {
    const Case& c = GetParam();
    const bool windows = !WindowsFolder().empty();
    if (windows && c.posixOnly) {
        GTEST_SKIP() << "needs a POSIX file system";
    }
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string suite = test->test_suite_name();  // such as "Script/EndToEnd"
    suite = suite.substr(0, suite.find('/'));
    const std::filesystem::path root = FreshTestFolder("plovask_e2e", suite + "-" + c.name);
    const auto work = root / "work";
    const auto out = root / "out";
    std::filesystem::create_directories(work);
    std::filesystem::create_directories(out);
    if (!c.scriptName.empty()) {
        WriteFile(work / c.scriptName, c.script);
    }
    for (const auto& [name, bytes] : c.before) {
        WriteFile(work / name, bytes);
    }

    const ProcessOutcome outcome = RunPlovask(work, out, c.args, c.plan);

    EXPECT_EQ(outcome.status, ExpectedStatus(c, windows));
    EXPECT_EQ(outcome.standardError, AsWritten(c.stderrText, windows));
    EXPECT_EQ(outcome.standardOutput, "") << "the tool never writes to standard output";
    EXPECT_EQ(outcome.calls, c.calls);
    for (const auto& [name, bytes] : c.files) {
        EXPECT_TRUE(std::filesystem::exists(work / name)) << name;
        EXPECT_EQ(ReadFile(work / name), AsWritten(bytes, windows)) << name;
    }
    RemoveIfPassed(root);
}

}  // namespace plovask_test

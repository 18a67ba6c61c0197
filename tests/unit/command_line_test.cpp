#include "frontend/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/exit_status.h"

namespace plovask_test {
namespace {

using plovask::CommandLineOutcome;

struct CommandLineCase {
    std::vector<std::string> words;  // after the program's name
    CommandLineOutcome outcome;
    std::string scriptPath;          // compared when the outcome is kRun
};

const std::vector<CommandLineCase> kCases = {
    {{}, CommandLineOutcome::kRun, "vorstel.cfg"},
    {{"-fa.cfg"}, CommandLineOutcome::kRun, "a.cfg"},
    {{"/Fa.cfg", "-fb.cfg"}, CommandLineOutcome::kRun, "b.cfg"},
    {{"-f"}, CommandLineOutcome::kRun, ""},
    {{"-f-x"}, CommandLineOutcome::kRun, "-x"},
    {{"-f", "a.cfg"}, CommandLineOutcome::kUsage, ""},
    {{"-fa.cfg", "-h"}, CommandLineOutcome::kUsage, ""},
    {{"/H"}, CommandLineOutcome::kUsage, ""},
    {{"-help"}, CommandLineOutcome::kUsage, ""},
    {{"-"}, CommandLineOutcome::kUsage, ""},
    {{"/"}, CommandLineOutcome::kUsage, ""},
    {{"--fa.cfg"}, CommandLineOutcome::kUsage, ""},
    {{"a.cfg"}, CommandLineOutcome::kUsage, ""},
    {{""}, CommandLineOutcome::kUsage, ""},
};

void PrintTo(const CommandLineCase& c, std::ostream* out) {
    for (const std::string& word : c.words) {
        *out << '[' << word << ']';
    }
}

class CommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, Outcome) {
    std::vector<std::string> words{"plovask"};
    words.insert(words.end(), GetParam().words.begin(), GetParam().words.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const char* scriptPath = plovask::kDefaultScriptPath;
    const auto outcome = plovask::ExamineCommandLine(static_cast<int>(words.size()), argv.data(), scriptPath);
    ASSERT_EQ(outcome, GetParam().outcome);
    if (outcome == CommandLineOutcome::kRun) {
        EXPECT_EQ(std::string(scriptPath), GetParam().scriptPath);
    }
}

INSTANTIATE_TEST_SUITE_P(Words, CommandLineTest, testing::ValuesIn(kCases));

#ifndef _WIN32
// POSIX keeps 8 bits of the status; no failure may come out as 0.
TEST(ExitStatusTest, PosixKeepsLowBitsButNeverSuccess) {
    const std::vector<std::pair<std::int32_t, int>> cases = {
        {0, 0}, {-1, 255}, {6, 6}, {255, 255}, {256, 255}, {300, 44}, {512, 255},
        {-256, 255}, {-5, 251}, {INT32_MIN, 255},
    };
    for (const auto& [result, status] : cases) {
        EXPECT_EQ(plovask::ProcessExitStatus(result), status) << result;
    }
}
#endif

}  // namespace
}  // namespace plovask_test

// What a person cannot easily do to a run: close its standard error, or
// take its script away while it reads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e_case.h"
#include "support/process.h"
#include "support/test_folder.h"

namespace plovask_test {
namespace {

namespace fs = std::filesystem;

class FaultInjection : public testing::Test {
protected:
    void SetUp() override {
        if (!WindowsFolder().empty()) {
            GTEST_SKIP() << "POSIX faults";
        }
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        root_ = FreshTestFolder("plovask_faults", test->name());
        fs::create_directories(work());
    }

    void TearDown() override {
        if (!root_.empty()) {
            RemoveIfPassed(root_);
        }
    }

    fs::path work() const { return root_ / "work"; }

    ProcessOutcome Run(const std::string& script, ProcessSpec spec) {
        WriteFile(work() / "script.cfg", script);
        return WaitProcess(StartProcess(spec), spec);
    }

    // Each run keeps its output streams and calls in a folder of its own.
    ProcessSpec Spec(std::vector<std::string> args = {"-fscript.cfg"}) {
        const fs::path out = root_ / ("out" + std::to_string(++runs_));
        fs::create_directories(out);
        return PlovaskSpec(work(), out, args, "");
    }

    fs::path root_;
    int runs_ = 0;
};

// Many lines, so that the reader must go back to the file long after the
// run began.
std::string ManyTargets(int count) {
    std::string script;
    for (int i = 0; i < count; ++i) {
        script += "TargetCreate target" + std::to_string(i) + "\n";
    }
    return script;
}

TEST_F(FaultInjection, StandardErrorClosed) {
    ProcessSpec failing = Spec();
    failing.standardErrorClosed = true;
    EXPECT_EQ(Run("Bogus\n", failing).status, 255);

    ProcessSpec usage = Spec({"-h"});
    usage.standardErrorClosed = true;
    EXPECT_EQ(Run("", usage).status, 255);

    ProcessSpec clean = Spec();
    clean.standardErrorClosed = true;
    const ProcessOutcome outcome = Run("TargetCreate a\n", clean);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.calls, Bracket({R"(CfgTargetCreate("a"))"}));
}

TEST_F(FaultInjection, ScriptRemovedWhileRunning) {
    ProcessSpec spec = Spec();
    spec.environment.push_back("FAKE_TREVANIX_AFTER=3 unlink:" + (work() / "script.cfg").string());
    const ProcessOutcome outcome = Run("TargetCreate a\nTargetCreate b\nTargetCreate c\n", spec);
    EXPECT_EQ(outcome.status, 0) << "the open script is still read to its end";
    EXPECT_EQ(outcome.standardError, "");
    EXPECT_EQ(outcome.calls, Bracket({R"(CfgTargetCreate("a"))", R"(CfgTargetCreate("b"))",
                                      R"(CfgTargetCreate("c"))"}));
}

TEST_F(FaultInjection, ScriptUnreadableWhileRunning) {
    ProcessSpec spec = Spec();
    spec.environment.push_back("FAKE_TREVANIX_AFTER=3 break:" + (work() / "script.cfg").string());
    const ProcessOutcome outcome = Run(ManyTargets(5000), spec);
    EXPECT_EQ(outcome.status, 255);
    EXPECT_EQ(outcome.standardError, "Can't read file script.cfg\n");
    ASSERT_GE(outcome.calls.size(), 5u);
    EXPECT_LT(outcome.calls.size(), 5004u) << "the lines after the failed read are not run";
    EXPECT_EQ(outcome.calls[outcome.calls.size() - 2], "CfgEnd()");
    EXPECT_EQ(outcome.calls.back(), "CfgClose()");
}

}  // namespace
}  // namespace plovask_test

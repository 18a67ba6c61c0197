// plovask with the real stand-in library: what a script leaves in the store,
// and that the store survives concurrent runs, killed runs and bad stores.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/process.h"
#include "support/test_folder.h"

namespace plovask_test {
namespace {

namespace fs = std::filesystem;

// A script that creates count targets named prefix0, prefix1, ... with all
// seven attributes each.
std::string TargetsScript(const std::string& prefix, int count) {
    std::string script;
    for (int i = 0; i < count; ++i) {
        const std::string name = prefix + std::to_string(i);
        script += "TargetCreate " + name + "\nTargetUse " + name + "\nTargetSetISDNNumber 040" + std::to_string(i) +
                  "\nTargetSetUsername \"user " + name + "\"\nTargetSetOutboundPassword out-" + name +
                  "\nTargetSetRemoteSystemId RS-" + name + "\nTargetSetInboundPassword in-" + name +
                  "\nTargetSetInboundAuth CHAP\nTargetSetActive on\nTargetUnuse\n";
    }
    return script;
}

class StoreTest : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        root_ = FreshTestFolder("plovask_store", test->name());
        fs::create_directories(root_ / "work");
    }

    void TearDown() override { RemoveIfPassed(root_); }

    fs::path Store(const std::string& name = "main") const { return root_ / "stores" / name / "store"; }
    fs::path Example() const { return fs::path(PLOVASK_SOURCE_DIR) / "examples" / "branch-office.cfg"; }

    // A folder for one process's output streams.
    fs::path OutDir() {
        const fs::path out = root_ / ("out" + std::to_string(++runs_));
        fs::create_directories(out);
        return out;
    }

    ProcessSpec RunSpec(const std::string& script, const fs::path& store,
                            std::vector<std::string> environment = {}) {
        const fs::path out = OutDir();
        WriteFile(out / "script.cfg", script);
        environment.push_back("TREVANIX_STORE=" + store.string());
        return {.argv = {PLOVASK_BINARY, "-f" + (out / "script.cfg").string()},
                .workDir = root_ / "work",
                .outDir = out,
                .environment = environment};
    }

    ProcessOutcome Apply(const std::string& script, const fs::path& store, std::vector<std::string> environment = {}) {
        return RunProcess(RunSpec(script, store, std::move(environment)));
    }

    ProcessOutcome Companion(const fs::path& store, std::vector<std::string> words) {
        ProcessSpec spec{.argv = {TREVANIX_STORE_BINARY, "--store", store.string()},
                         .workDir = root_ / "work",
                         .outDir = OutDir()};
        spec.argv.insert(spec.argv.end(), words.begin(), words.end());
        return RunProcess(spec);
    }

    // The example applied to a new store, which it leaves in main.
    void ApplyExample() {
        const ProcessOutcome outcome = Apply(ReadFile(Example()), Store());
        ASSERT_EQ(outcome.status, 0) << outcome.standardError;
        ASSERT_EQ(outcome.standardError, "");
    }

    fs::path root_;
    int runs_ = 0;
};

TEST_F(StoreTest, ExampleAppliedTwiceLeavesTheStoreAsItWas) {
    ApplyExample();
    const std::string first = ReadFile(Store());
    ASSERT_NE(first.find("target \"Warehouse Kiel\""), std::string::npos);
    ApplyExample();
    EXPECT_EQ(ReadFile(Store()), first);
}

// The lines of a script that are not comments.
std::string WithoutComments(const std::string& script) {
    std::string kept;
    std::size_t start = 0;
    while (start < script.size()) {
        const std::size_t end = script.find('\n', start) + 1;
        if (script[start] != '#') {
            kept += script.substr(start, end - start);
        }
        start = end;
    }
    return kept;
}

TEST_F(StoreTest, ExportRecreatesTheConfiguration) {
    ApplyExample();
    // With the passwords, the export recreates the same store byte for byte
    // and exports again as it was.
    const ProcessOutcome whole = Companion(Store(), {"export", "--passwords"});
    ASSERT_EQ(whole.status, 0) << whole.standardError;
    ASSERT_EQ(Apply(whole.standardOutput, Store("whole")).status, 0);
    EXPECT_EQ(ReadFile(Store("whole")), ReadFile(Store()));
    EXPECT_EQ(Companion(Store("whole"), {"export", "--passwords"}).standardOutput, whole.standardOutput);

    // Without them, it recreates everything else; the comments that mark the
    // passwords left out go with the passwords.
    const ProcessOutcome exported = Companion(Store(), {"export"});
    ASSERT_EQ(exported.status, 0) << exported.standardError;
    EXPECT_EQ(exported.standardOutput.find("change me"), std::string::npos);
    ASSERT_EQ(Apply(exported.standardOutput, Store("copy")).status, 0);
    EXPECT_EQ(WithoutComments(Companion(Store("copy"), {"export"}).standardOutput),
              WithoutComments(exported.standardOutput));
}

TEST_F(StoreTest, ShowMasksPasswords) {
    ApplyExample();
    const ProcessOutcome shown = Companion(Store(), {"show"});
    ASSERT_EQ(shown.status, 0);
    EXPECT_NE(shown.standardOutput.find("Warehouse Kiel"), std::string::npos);
    EXPECT_NE(shown.standardOutput.find("1  controller 1  MSN 4711"), std::string::npos);
    EXPECT_EQ(shown.standardOutput.find("change me"), std::string::npos);
}

TEST_F(StoreTest, ConcurrentRunsAllLand) {
    constexpr int kRuns = 8;
    constexpr int kTargetsEach = 40;
    std::vector<ProcessSpec> specs;
    for (int run = 0; run < kRuns; ++run) {
        specs.push_back(RunSpec(TargetsScript("run" + std::to_string(run) + "-", kTargetsEach), Store()));
    }
    std::vector<pid_t> children;
    for (const ProcessSpec& spec : specs) {
        children.push_back(StartProcess(spec));
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ProcessOutcome outcome = WaitProcess(children[i], specs[i]);
        EXPECT_EQ(outcome.status, 0) << outcome.standardError;
    }
    const std::string store = ReadFile(Store());
    for (int run = 0; run < kRuns; ++run) {
        for (int i = 0; i < kTargetsEach; ++i) {
            const std::string name = "run" + std::to_string(run) + "-" + std::to_string(i);
            EXPECT_NE(store.find("target \"" + name + "\"\n"), std::string::npos) << name;
        }
    }
}

// A run killed at any moment leaves the old store or the new one, and the
// lock goes with the process.
TEST_F(StoreTest, KilledRunLeavesOldOrNewStore) {
    ApplyExample();
    const std::string before = ReadFile(Store());
    const std::string script = "LockConfig off\n" + TargetsScript("bulk", 20000);
    fs::create_directories(Store("new").parent_path());
    fs::copy_file(Store(), Store("new"));
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(Apply(script, Store("new")).status, 0);
    const auto fullRun = std::chrono::steady_clock::now() - started;
    const std::string after = ReadFile(Store("new"));

    constexpr int kKills = 12;
    int killedEarly = 0;
    for (int attempt = 0; attempt < kKills; ++attempt) {
        WriteFile(Store(), before);
        const ProcessSpec spec = RunSpec(script, Store());
        const pid_t child = StartProcess(spec);
        std::this_thread::sleep_for(fullRun * attempt / kKills);
        kill(child, SIGKILL);
        const ProcessOutcome outcome = WaitProcess(child, spec);
        killedEarly += outcome.status == 1000 + SIGKILL ? 1 : 0;
        const std::string left = ReadFile(Store());
        EXPECT_TRUE(left == before || left == after)
            << "attempt " << attempt << ": a torn store of " << left.size() << " bytes (old " << before.size()
            << ", new " << after.size() << "), status " << outcome.status << "\n"
            << left.substr(0, 300);
        const ProcessOutcome next = Apply("TargetUse Headquarters\n", Store(), {"TREVANIX_LOCK_TIMEOUT=2"});
        EXPECT_EQ(next.status, 0) << "attempt " << attempt << ": the next run is blocked";
    }
    EXPECT_GT(killedEarly, 0) << "no kill landed during a run";
}

TEST_F(StoreTest, FilesAreTheOwnersAloneWhateverTheUmask) {
    const mode_t previous = umask(0);
    const ProcessOutcome outcome = Apply("TargetCreate a\n", Store());
    umask(previous);
    ASSERT_EQ(outcome.status, 0);
    struct stat status {};
    ASSERT_EQ(stat(Store().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    ASSERT_EQ(stat((Store().string() + ".lock").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    ASSERT_EQ(stat(Store().parent_path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0700u);
}

TEST_F(StoreTest, CorruptStoreIsNeverOverwritten) {
    const std::string corrupt = "TREVANIX-STORE 1\nlock off\nentry 1 fre\n";
    WriteFile(Store(), corrupt);
    const ProcessOutcome outcome = Apply("TargetCreate a\n", Store());
    EXPECT_EQ(outcome.status, 9);
    EXPECT_EQ(outcome.standardError, "");
    EXPECT_EQ(ReadFile(Store()), corrupt);
    const ProcessOutcome shown = Companion(Store(), {"show"});
    EXPECT_EQ(shown.status, 1);
    EXPECT_NE(shown.standardError.find("line 3"), std::string::npos) << shown.standardError;
}

TEST_F(StoreTest, DryRunAnswersAsTheRealRunAndWritesNothing) {
    ApplyExample();
    const std::string before = ReadFile(Store());
    const std::vector<std::string> scripts = {
        "LockConfig off\nTargetCreate new\nTargetUse new\nTargetSetActive on\n",
        "LockConfig off\nTargetDelete Headquarters\nTargetUse Headquarters\n",
        "TargetCreate new\n",  // the example leaves the configuration locked
        "LockConfig off\nSetMSNForController 1 1\nSetMSNForController 1 2\nSetMSNForController 1 3\n",
    };
    for (const std::string& script : scripts) {
        WriteFile(Store(), before);
        const ProcessOutcome dry = Apply(script, Store(), {"TREVANIX_DRY_RUN=1"});
        EXPECT_EQ(ReadFile(Store()), before) << script;
        const ProcessOutcome real = Apply(script, Store());
        EXPECT_EQ(dry.status, real.status) << script;
        EXPECT_EQ(dry.standardError, real.standardError) << script;
    }
}

TEST_F(StoreTest, BusyStoreAnswersNineAfterTheWait) {
    fs::create_directories(Store().parent_path());
    const int fd = open((Store().string() + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    const ProcessOutcome outcome = Apply("TargetCreate a\n", Store(), {"TREVANIX_LOCK_TIMEOUT=1"});
    close(fd);
    EXPECT_EQ(outcome.status, 9);
    EXPECT_EQ(outcome.standardError, "");
    EXPECT_FALSE(fs::exists(Store()));
}

TEST_F(StoreTest, StoreThatCannotBeWrittenFailsTheRun) {
    ApplyExample();
    const std::string before = ReadFile(Store());
    fs::create_directories(Store().string() + ".tmp");  // where the new store would be written
    const ProcessOutcome outcome = Apply("LockConfig off\nTargetCreate new\n", Store());
    EXPECT_EQ(outcome.status, 9);
    EXPECT_EQ(outcome.standardError, "API error 9 at end of configuration\n");
    EXPECT_EQ(ReadFile(Store()), before);
}

// A folder that refuses new entries, for root too, while it lives.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const fs::path& folder) : folder_(folder) {
        const std::string command = geteuid() == 0 ? "chattr +i '" + folder_.string() + "' 2>/dev/null"
                                                   : "chmod 0500 '" + folder_.string() + "'";
        made_ = std::system(command.c_str()) == 0;
    }
    ~ReadOnlyFolder() {
        const std::string command = geteuid() == 0 ? "chattr -i '" + folder_.string() + "' 2>/dev/null"
                                                   : "chmod 0700 '" + folder_.string() + "'";
        static_cast<void>(std::system(command.c_str()));
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool made() const { return made_; }

private:
    fs::path folder_;
    bool made_ = false;
};

TEST_F(StoreTest, ReadOnlyStoreFolderFailsTheEnd) {
    ApplyExample();
    const std::string before = ReadFile(Store());
    const ReadOnlyFolder readOnly(Store().parent_path());
    if (!readOnly.made()) {
        GTEST_SKIP() << "this file system cannot make a folder read-only for root";
    }
    const ProcessOutcome outcome = Apply("LockConfig off\nTargetCreate new\n", Store());
    EXPECT_EQ(outcome.status, 9);
    EXPECT_EQ(outcome.standardError, "API error 9 at end of configuration\n");
    EXPECT_EQ(ReadFile(Store()), before);
}

TEST_F(StoreTest, FullDiskFailsTheEnd) {
    ApplyExample();
    const std::string before = ReadFile(Store());
    ProcessSpec spec = RunSpec("LockConfig off\n" + TargetsScript("more", 20), Store());
    spec.fileSizeLimit = static_cast<long>(before.size()) + 100;
    const ProcessOutcome outcome = RunProcess(spec);
    EXPECT_EQ(outcome.status, 9);
    EXPECT_EQ(outcome.standardError, "API error 9 at end of configuration\n");
    EXPECT_EQ(ReadFile(Store()), before);
    EXPECT_EQ(Apply("TargetUse Headquarters\n", Store(), {"TREVANIX_LOCK_TIMEOUT=2"}).status, 0);
}

}  // namespace
}  // namespace plovask_test

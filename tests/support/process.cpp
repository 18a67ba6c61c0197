#include "support/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <sstream>

extern char** environ;

namespace plovask_test {
namespace {

std::string NameOf(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

// Ours, less anything that would put a library in front or steer a library,
// plus the spec's own.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& added) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string name = NameOf(*entry);
        if (name != "LD_PRELOAD" && name.rfind("FAKE_TREVANIX_", 0) != 0 && name.rfind("TREVANIX_", 0) != 0) {
            entries.emplace_back(*entry);
        }
    }
    entries.insert(entries.end(), added.begin(), added.end());
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

void RedirectTo(int stream, const std::filesystem::path& path, int flags) {
    const int fd = open(path.c_str(), flags, 0600);
    if (fd < 0 || dup2(fd, stream) < 0) {
        _exit(126);
    }
    close(fd);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

pid_t StartProcess(const ProcessSpec& spec) {
    std::vector<std::string> argv = spec.argv;
    std::vector<std::string> env = ChildEnvironment(spec.environment);
    std::vector<char*> argPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(env);
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(spec.workDir.c_str()) != 0) {
            _exit(126);
        }
        RedirectTo(STDIN_FILENO, spec.standardInput, O_RDONLY);
        RedirectTo(STDOUT_FILENO, spec.outDir / "stdout.txt", O_WRONLY | O_CREAT | O_TRUNC);
        RedirectTo(STDERR_FILENO, spec.outDir / "stderr.txt", O_WRONLY | O_CREAT | O_TRUNC);
        if (spec.standardErrorClosed) {
            close(STDERR_FILENO);
        }
        if (spec.fileSizeLimit > 0) {
            // A full disk: writes beyond the limit fail, and do not kill.
            const rlimit limit{static_cast<rlim_t>(spec.fileSizeLimit), static_cast<rlim_t>(spec.fileSizeLimit)};
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execvpe(argPointers[0], argPointers.data(), envPointers.data());
        _exit(127);
    }
    return child;
}

ProcessOutcome WaitProcess(pid_t child, const ProcessSpec& spec) {
    int wstatus = 0;
    waitpid(child, &wstatus, 0);
    ProcessOutcome outcome{};
    outcome.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 1000 + WTERMSIG(wstatus);
    outcome.standardError = ReadFile(spec.outDir / "stderr.txt");
    outcome.standardOutput = ReadFile(spec.outDir / "stdout.txt");
    outcome.calls = Lines(ReadFile(spec.outDir / "calls.log"));
    return outcome;
}

ProcessOutcome RunProcess(const ProcessSpec& spec) {
    return WaitProcess(StartProcess(spec), spec);
}

std::string WindowsFolder() {
    const char* folder = std::getenv("PLOVASK_E2E_WINDOWS");
    return folder != nullptr ? folder : "";
}

ProcessSpec PlovaskSpec(const std::filesystem::path& workDir, const std::filesystem::path& outDir,
                        const std::vector<std::string>& args, const std::string& plan) {
    const std::string windows = WindowsFolder();
    ProcessSpec spec{.workDir = workDir, .outDir = outDir};
    spec.environment = {"FAKE_TREVANIX_LOG=" + (outDir / "calls.log").string(), "FAKE_TREVANIX_PLAN=" + plan};
    if (windows.empty()) {
        spec.argv = {PLOVASK_BINARY};
        spec.environment.push_back(std::string("LD_PRELOAD=") + FAKE_LIBRARY);
    } else {
        spec.argv = {"wine", windows + "/exit_code.exe", "Z:" + windows + "/plovask.exe"};
        spec.environment.push_back("PLOVASK_EXIT_CODE_FILE=" + (outDir / "exit_code.txt").string());
    }
    spec.argv.insert(spec.argv.end(), args.begin(), args.end());
    return spec;
}

ProcessOutcome RunPlovask(const std::filesystem::path& workDir, const std::filesystem::path& outDir,
                          const std::vector<std::string>& args, const std::string& plan) {
    const ProcessSpec spec = PlovaskSpec(workDir, outDir, args, plan);
    if (WindowsFolder().empty()) {
        return RunProcess(spec);
    }
    // Now and then wine fails to start a program at all ("ShellExecuteEx
    // failed"). The launcher's exit code file shows that plovask ran; until
    // it is there, nothing of the run has happened, and it is started again.
    constexpr int kStarts = 3;
    const auto codeFile = outDir / "exit_code.txt";
    ProcessOutcome outcome{};
    for (int start = 0; start < kStarts; ++start) {
        std::filesystem::remove(codeFile);
        std::filesystem::remove(outDir / "calls.log");
        outcome = RunProcess(spec);
        const std::string code = ReadFile(codeFile);
        if (!code.empty()) {
            outcome.status = std::stoi(code);
            return outcome;
        }
        std::cerr << "wine did not start plovask; starting it again\n";
    }
    outcome.status = 2000 + outcome.status;
    return outcome;
}

}  // namespace plovask_test

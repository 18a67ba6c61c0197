// Runs the built programs as processes: plovask against the recording fake
// library, or against the real stand-in library and a store.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/files.h"

namespace plovask_test {

struct ProcessOutcome {
    int status;                      // exit status, or 1000 + signal number
    std::string standardError;
    std::string standardOutput;
    std::vector<std::string> calls;  // the fake library's log, one call a line
};

// One process: its words, where it runs and what it finds in its
// environment besides ours. Its output streams, and the fake's log, are kept
// in outDir, so that they never mix with the files of the run.
struct ProcessSpec {
    std::vector<std::string> argv{};         // the program first
    std::filesystem::path workDir{};
    std::filesystem::path outDir{};
    std::vector<std::string> environment{};  // NAME=VALUE, replacing ours
    std::string standardInput = "/dev/null";
    bool standardErrorClosed = false;
    long fileSizeLimit = 0;                  // bytes a file may grow to; 0 for no limit
};

pid_t StartProcess(const ProcessSpec& spec);
ProcessOutcome WaitProcess(pid_t child, const ProcessSpec& spec);
ProcessOutcome RunProcess(const ProcessSpec& spec);

// The folder of the Windows build's plovask.exe beside the fake TREVANIX.dll
// when the suite runs it under wine (PLOVASK_E2E_WINDOWS), else empty.
std::string WindowsFolder();

// plovask with args in workDir, with the fake library answering plan: on
// POSIX put in front of the real one, under wine found beside plovask.exe.
// Under wine, status is the whole 32-bit exit code.
ProcessOutcome RunPlovask(const std::filesystem::path& workDir, const std::filesystem::path& outDir,
                          const std::vector<std::string>& args, const std::string& plan);

// The same run, described for StartProcess, to be changed before it starts.
ProcessSpec PlovaskSpec(const std::filesystem::path& workDir, const std::filesystem::path& outDir,
                        const std::vector<std::string>& args, const std::string& plan);


}  // namespace plovask_test

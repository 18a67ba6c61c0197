// Runs the built plovask as a process against the recording fake library.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace plovask_test {

struct ProcessOutcome {
    int status;                      // exit status, or 1000 + signal number
    std::string standardError;
    std::string standardOutput;
    std::vector<std::string> calls;  // the fake library's log, one call a line
};

// Runs plovask with args in workDir, with the fake library put in front of
// the real one and answering plan. Its log and the output streams are kept in
// outDir, beside workDir, so that they never mix with the files of the run.
ProcessOutcome RunPlovask(const std::filesystem::path& workDir, const std::filesystem::path& outDir,
                          const std::vector<std::string>& args, const std::string& plan);

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace plovask_test

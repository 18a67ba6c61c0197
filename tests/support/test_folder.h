// A fresh folder for one test, of this process alone, so that runs of the
// suite from two build trees at once never share one.
#pragma once

#include <gtest/gtest.h>
#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <string>

namespace plovask_test {

inline std::filesystem::path FreshTestFolder(const std::string& kind, const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / (kind + "-" + std::to_string(getpid())) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// Removes the folder when the test passed, and the process's folder with it
// once that is empty; a failed test's is kept to look at.
inline void RemoveIfPassed(const std::filesystem::path& folder) {
    if (!testing::Test::HasFailure()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        std::filesystem::remove(folder.parent_path(), ignored);
    }
}

}  // namespace plovask_test

#include "support/test_folder.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace plovask_test {

std::filesystem::path FreshTestFolder(const std::string& kind, const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / (kind + "-" + std::to_string(getpid())) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void RemoveIfPassed(const std::filesystem::path& folder) {
    if (!testing::Test::HasFailure()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        std::filesystem::remove(folder.parent_path(), ignored);
    }
}

}  // namespace plovask_test

// A fresh folder for one test, of this process alone, so that runs of the
// suite from two build trees at once never share one.
#pragma once

#include <filesystem>
#include <string>

namespace plovask_test {

std::filesystem::path FreshTestFolder(const std::string& kind, const std::string& name);

// Removes the folder when the test passed, and the process's folder with it
// once that is empty; a failed test's is kept to look at.
void RemoveIfPassed(const std::filesystem::path& folder);

}  // namespace plovask_test

// Opening the script: the one place where the platform's file services differ.
#pragma once

#include <cstdio>

namespace plovask {

// Opens the script for reading in binary mode, so that the tool's own byte
// rules apply on every platform. Answers null when the path cannot be opened
// or names a folder.
[[nodiscard]] std::FILE* OpenScriptFile(const char* path);

}  // namespace plovask

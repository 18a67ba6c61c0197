// Puts a line into the script state and collects what the tool reports.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "script/script_state.h"

namespace plovask_test {

class ScriptFixture {
public:
    ScriptFixture() : diagnostics_(std::tmpfile()) {
        plovask::g_state = {};
        plovask::g_state.diagnostics = diagnostics_;
    }
    ~ScriptFixture() {
        plovask::g_state.diagnostics = nullptr;
        std::fclose(diagnostics_);
    }
    ScriptFixture(const ScriptFixture&) = delete;
    ScriptFixture& operator=(const ScriptFixture&) = delete;

    // The line as the reader would leave it, with the scan at its start.
    static void SetLine(std::string_view text, std::uint32_t lineNumber = 1) {
        ASSERT_LT(text.size(), plovask::kLineBufferSize);
        std::memset(plovask::g_state.line, 0, sizeof plovask::g_state.line);
        std::memcpy(plovask::g_state.line, text.data(), text.size());
        plovask::g_state.lineNumber = lineNumber;
        plovask::g_state.scanPosition = 0;
    }

    // Everything reported so far.
    std::string Reported() {
        std::fflush(diagnostics_);
        std::rewind(diagnostics_);
        std::string text;
        char chunk[256];
        std::size_t n = 0;
        while ((n = std::fread(chunk, 1, sizeof chunk, diagnostics_)) > 0) {
            text.append(chunk, n);
        }
        return text;
    }

private:
    std::FILE* diagnostics_;
};

// Names the instances of a table of cases by their name field.
template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

}  // namespace plovask_test

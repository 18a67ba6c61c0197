// The tool in-process: a line put into the script state, or a whole script
// given as a string and run between the opening and closing calls against the
// recording fake; and what the tool reports meanwhile.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/run_sequence.h"
#include "script/script_state.h"
#include "support/fake_trevanix.h"

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

// What a script run in-process shows.
struct ScriptRun {
    std::int32_t result;             // the run's result, before it becomes an exit status
    std::string messages;            // everything reported
    std::vector<std::string> calls;  // the fake library's calls, in order
};

// Runs script as the file script.cfg would run, with the fake library
// answering plan (in the form of FAKE_TREVANIX_PLAN).
inline ScriptRun RunScriptString(std::string_view script, const std::string& plan = "") {
    ScriptFixture fixture;
    fake_trevanix::Reset(plan);
    const std::int32_t result = plovask::RunConfigurationText(script, "script.cfg");
    return {result, fixture.Reported(), fake_trevanix::Calls()};
}

}  // namespace plovask_test

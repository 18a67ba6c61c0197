// Runs the bytes of a script through the real reader, scanner, dispatcher
// and handlers, against a library that answers from the input, and checks
// what no script may break:
// - every diagnostic is one of the tool's messages, with no text in it but
//   the failing line's command word or the script's path: so no parameter
//   value, and none of the passwords the seeds are full of, is ever shown,
//   whatever the line around it looks like;
// - every message that names a line names the line the run stopped at, and
//   that line exists in the input;
// - the result is 0 exactly when nothing was reported, but for the one
//   silent failure the tool keeps: a line whose first token is "".
//
// Input: one byte n, then n % 32 bytes that plan the library's answers, then
// the script.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/run_sequence.h"
#include "input_library.h"
#include "script/messages.h"
#include "script/script_state.h"

namespace {

constexpr std::size_t kMostAnswers = 32;
constexpr char kCtrlZ = 26;

void Violated(const char* property, const std::string& detail) {
    std::fprintf(stderr, "property violated: %s\n%s\n", property, detail.c_str());
    std::abort();
}

// Physical lines of the script: line feeds up to a Ctrl-Z, and a last line
// without one.
std::uint32_t LineCount(std::string_view script) {
    script = script.substr(0, script.find(kCtrlZ));
    std::uint32_t lines = 0;
    for (const char c : script) {
        lines += c == '\n' ? 1u : 0u;
    }
    return lines + (!script.empty() && script.back() != '\n' ? 1u : 0u);
}

// Matches line against format, where %u and %d stand for decimal numbers
// (whose values are collected) and %s for one of the allowed texts.
bool Matches(std::string_view line, std::string_view format, const std::vector<std::string_view>& texts,
             std::vector<long long>& numbers) {
    while (!format.empty()) {
        if (format.substr(0, 2) == "%s") {
            for (const std::string_view text : texts) {
                if (line.substr(0, text.size()) == text &&
                    Matches(line.substr(text.size()), format.substr(2), texts, numbers)) {
                    return true;
                }
            }
            return false;
        }
        if (format.substr(0, 2) == "%u" || format.substr(0, 2) == "%d") {
            std::size_t digits = line.substr(0, 1) == "-" && format[1] == 'd' ? 1 : 0;
            while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
                ++digits;
            }
            if (digits == 0 || line.substr(0, digits) == "-") {
                return false;
            }
            numbers.push_back(std::stoll(std::string(line.substr(0, digits))));
            line.remove_prefix(digits);
            format.remove_prefix(2);
            continue;
        }
        if (line.empty() || line.front() != format.front()) {
            return false;
        }
        line.remove_prefix(1);
        format.remove_prefix(1);
    }
    return line.empty();
}

// The one silent failure: the stopping line's first token is "" or a lone ".
bool FirstTokenIsEmptyQuote() {
    const char* c = plovask::g_state.line;
    while (*c == ' ' || *c == '\t') {
        ++c;
    }
    return c[0] == '"' && (c[1] == '"' || c[1] == '\0');
}

void CheckRun(std::string_view script, const std::string& path, std::int32_t result, const std::string& output) {
    const std::string_view word(plovask::g_state.commandWord,
                                strnlen(plovask::g_state.commandWord, sizeof plovask::g_state.commandWord));
    const std::vector<std::string_view> texts = {word, path};
    const std::uint32_t lines = LineCount(script);
    std::size_t start = 0;
    while (start < output.size()) {
        const std::size_t end = output.find('\n', start);
        if (end == std::string::npos) {
            Violated("every message ends its line", output);
        }
        const std::string_view line(output.data() + start, end - start);
        bool known = false;
        for (const plovask::MessageText& message : plovask::kMessages) {
            std::vector<long long> numbers;
            const std::string format = std::string(message.format) + (message.namesLine ? " in line %u" : "");
            if (!Matches(line, format, texts, numbers)) {
                continue;
            }
            known = true;
            if (message.namesLine &&
                (numbers.back() != plovask::g_state.lineNumber || numbers.back() < 1 || numbers.back() > lines)) {
                Violated("a message names the line the run stopped at, and it exists", output);
            }
            if (format.rfind("API error", 0) == 0 && numbers.front() != result) {
                Violated("an API error message names the run's result", output);
            }
            break;
        }
        if (!known) {
            Violated("every diagnostic is one of the tool's messages", output);
        }
        start = end + 1;
    }
    const bool silent = output.empty();
    if (result == 0 && !silent) {
        Violated("a run that succeeds reports nothing", output);
    }
    if (result != 0 && silent && !(result == -1 && FirstTokenIsEmptyQuote())) {
        Violated("a run that fails reports why", std::to_string(result));
    }
}

// The name the script's messages give it; no file is written.
constexpr const char* kScriptName = "fuzzed.cfg";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t answerCount = std::min<std::size_t>(data[0] % kMostAnswers, size - 1);
    plovask_fuzz::PlanAnswers(std::span(data + 1, answerCount));
    const std::string_view script(reinterpret_cast<const char*>(data + 1 + answerCount), size - 1 - answerCount);

    char* output = nullptr;
    std::size_t outputSize = 0;
    std::FILE* diagnostics = open_memstream(&output, &outputSize);
    plovask::g_state = {};
    plovask::g_state.diagnostics = diagnostics;
    const std::int32_t result = plovask::RunConfigurationText(script, kScriptName);
    plovask::g_state.diagnostics = nullptr;
    std::fclose(diagnostics);
    const std::string text(output, outputSize);
    std::free(output);

    CheckRun(script, kScriptName, result, text);
    return 0;
}

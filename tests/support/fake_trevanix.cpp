// A scripted configuration library for the tests. It records every call with
// its arguments, one line each, in the file named by FAKE_TREVANIX_LOG, and
// answers what FAKE_TREVANIX_PLAN plans: words of the form
// Operation=answer,answer,... give the answers of that operation's calls in
// order; every call beyond them, and every other operation, answers 0.
//
// FAKE_TREVANIX_AFTER="N action:path" does something to a file after the
// Nth call, to see the tool cope (on POSIX): "unlink" removes it, "break" turns every
// descriptor this process holds open on it into one on a folder, which
// fails every further read.
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <deque>
#include <map>
#include <sstream>
#include <string>

#include <vector>

#include "support/fake_trevanix.h"
#include "trevanix.h"

namespace {

using Plan = std::map<std::string, std::deque<int32_t>>;

Plan ParsePlan(const std::string& text) {
    Plan plan;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        const auto equals = word.find('=');
        std::istringstream answers(word.substr(equals + 1));
        std::string answer;
        while (std::getline(answers, answer, ',')) {
            plan[word.substr(0, equals)].push_back(static_cast<int32_t>(std::stol(answer)));
        }
    }
    return plan;
}

// What the library has been told and what it has been asked: the plan from
// the environment until an in-process test sets one.
struct Recorder {
    Plan plan;
    std::vector<std::string> calls;
    long count = 0;
};

Recorder& TheRecorder() {
    static Recorder recorder = [] {
        const char* text = std::getenv("FAKE_TREVANIX_PLAN");
        return Recorder{ParsePlan(text != nullptr ? text : ""), {}, 0};
    }();
    return recorder;
}

int32_t Answer(const std::string& operation) {
    auto& answers = TheRecorder().plan[operation];
    if (answers.empty()) {
        return 0;
    }
    const int32_t answer = answers.front();
    answers.pop_front();
    return answer;
}

// Texts are written in quotes, with every byte outside printable ASCII, the
// quote and the backslash as \xNN, so that a log line shows exactly what the
// library was handed.
std::string Quote(const char* text) {
    if (text == nullptr) {
        return "null";
    }
    std::string quoted = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte < 0x20 || byte >= 0x7F || byte == '"' || byte == '\\') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            quoted += escape;
        } else {
            quoted += *c;
        }
    }
    return quoted + "\"";
}

#ifndef _WIN32
void BreakOpenFile(const std::string& path) {
    const std::string target = std::filesystem::absolute(path).string();
    const int folder = open("/", O_RDONLY | O_DIRECTORY);
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error).string() == target) {
            dup2(folder, std::stoi(entry.path().filename().string()));
        }
    }
    close(folder);
}

void ActAfter(long calls) {
    const char* after = std::getenv("FAKE_TREVANIX_AFTER");
    if (after == nullptr) {
        return;
    }
    std::istringstream words(after);
    long when = 0;
    std::string action;
    words >> when >> action;
    if (when != calls) {
        return;
    }
    const auto colon = action.find(':');
    const std::string what = action.substr(0, colon);
    const std::string path = action.substr(colon + 1);
    if (what == "unlink") {
        unlink(path.c_str());
    } else if (what == "break") {
        BreakOpenFile(path);
    }
}
#else
// The faults are POSIX ones; the Windows runs skip their tests.
void ActAfter(long) {}
#endif

int32_t Call(const std::string& operation, const std::string& arguments) {
    Recorder& recorder = TheRecorder();
    const std::string call = operation + "(" + arguments + ")";
    recorder.calls.push_back(call);
    if (const char* log = std::getenv("FAKE_TREVANIX_LOG")) {
        if (std::FILE* file = std::fopen(log, "ab")) {
            std::fprintf(file, "%s\n", call.c_str());
            std::fclose(file);
        }
    }
    ActAfter(++recorder.count);
    return Answer(operation);
}

std::string Numbers(long long first, long long second) {
    return std::to_string(first) + ", " + std::to_string(second);
}

}  // namespace

namespace fake_trevanix {

void Reset(const std::string& plan) {
    TheRecorder() = Recorder{ParsePlan(plan), {}, 0};
}

std::vector<std::string> Calls() {
    return TheRecorder().calls;
}

}  // namespace fake_trevanix

extern "C" {

int32_t TREVANIX_CALL CfgOpen(int32_t mode) { return Call("CfgOpen", std::to_string(mode)); }
int32_t TREVANIX_CALL CfgClose(void) { return Call("CfgClose", ""); }
int32_t TREVANIX_CALL CfgBegin(void) { return Call("CfgBegin", ""); }
int32_t TREVANIX_CALL CfgEnd(void) { return Call("CfgEnd", ""); }
int32_t TREVANIX_CALL CfgLock(int32_t flag) { return Call("CfgLock", std::to_string(flag)); }
int32_t TREVANIX_CALL CfgTargetUnuse(int32_t what, int32_t* released) {
    const int32_t answer = Call("CfgTargetUnuse", std::to_string(what) + (released ? ", &r" : ", null"));
    if (released != nullptr) {
        *released = 1;
    }
    return answer;
}
int32_t TREVANIX_CALL CfgTargetDelete(void) { return Call("CfgTargetDelete", ""); }
int32_t TREVANIX_CALL CfgSetString(uint32_t attribute, const char* text) {
    return Call("CfgSetString", std::to_string(attribute) + ", " + Quote(text));
}
int32_t TREVANIX_CALL CfgSetNumber(uint32_t attribute, uint32_t value) {
    return Call("CfgSetNumber", Numbers(attribute, value));
}
int32_t TREVANIX_CALL CfgSetFlag(uint32_t attribute, int32_t value) {
    return Call("CfgSetFlag", Numbers(attribute, value));
}
int32_t TREVANIX_CALL CfgTargetCreate(const char* name) { return Call("CfgTargetCreate", Quote(name)); }
int32_t TREVANIX_CALL CfgTargetUse(const char* name) { return Call("CfgTargetUse", Quote(name)); }
int32_t TREVANIX_CALL CfgUseEntry(int32_t index) { return Call("CfgUseEntry", std::to_string(index)); }

}

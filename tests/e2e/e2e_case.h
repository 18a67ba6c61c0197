// One end-to-end case: a script and a command line in, and everything the
// run shows out: exit status, standard error, the files it leaves and the
// exact sequence of library calls.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/cases.h"

namespace plovask_test {

using Files = std::vector<std::pair<std::string, std::string>>;  // name, bytes

struct Case {
    std::string name;                         // letters, digits and _ only
    std::string script{};                     // the script's bytes
    std::vector<std::string> args{};          // after the program's name
    std::string plan{};                       // the fake's answers, as FAKE_TREVANIX_PLAN
    int status = 0;                           // process exit status
    std::string stderrText{};                 // all of standard error
    std::vector<std::string> calls{};         // all library calls, in order
    Files files{};                            // files expected in the working folder afterwards
    Files before{};                           // files put there before the run
    std::string scriptName = "vorstel.cfg";   // where the script is written; empty for none
    // Windows keeps the whole result as the exit status, where POSIX keeps 8
    // bits: the status there when it is neither status nor -1 for 255.
    std::optional<int> windowsStatus{};
    bool posixOnly = false;                   // a case that needs a POSIX file system
};

// The calls of a run that opened and began the configuration, made the
// commands' calls and ended and closed it.
std::vector<std::string> Bracket(std::vector<std::string> commandCalls);

// The usage text, as the tool prints it.
extern const char* const kUsageText;

// A failing case is named, not dumped byte by byte.
inline void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class EndToEnd : public testing::TestWithParam<Case> {};

}  // namespace plovask_test

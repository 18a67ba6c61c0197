#include "input_library.h"

#include <array>
#include <vector>

#include "trevanix.h"

namespace plovask_fuzz {
namespace {

// Mostly success, then every answer the tool treats in a way of its own,
// and codes that do not fit in 8 bits.
constexpr std::array<std::int32_t, 16> kAnswers = {0, 0, 0, 0, 0, 0, 0, 0, 5, 6, 10, 1, 3, 256, -1, 9};

struct Library {
    std::vector<std::uint8_t> answers;
    std::size_t next = 0;
};

Library& TheLibrary() {
    static Library library;
    return library;
}

std::int32_t Answer() {
    Library& library = TheLibrary();
    if (library.next >= library.answers.size()) {
        return 0;
    }
    return kAnswers[library.answers[library.next++] % kAnswers.size()];
}

}  // namespace

void PlanAnswers(std::span<const std::uint8_t> answers) {
    Library& library = TheLibrary();
    library.answers.assign(answers.begin(), answers.end());
    library.next = 0;
}

}  // namespace plovask_fuzz

using plovask_fuzz::Answer;

extern "C" {

int32_t TREVANIX_CALL CfgOpen(int32_t) { return 0; }
int32_t TREVANIX_CALL CfgClose(void) { return 0; }
int32_t TREVANIX_CALL CfgBegin(void) { return 0; }
int32_t TREVANIX_CALL CfgEnd(void) { return Answer(); }
int32_t TREVANIX_CALL CfgLock(int32_t) { return Answer(); }
int32_t TREVANIX_CALL CfgTargetUnuse(int32_t, int32_t* released) {
    *released = 1;
    return Answer();
}
int32_t TREVANIX_CALL CfgTargetDelete(void) { return Answer(); }
int32_t TREVANIX_CALL CfgSetString(uint32_t, const char*) { return Answer(); }
int32_t TREVANIX_CALL CfgSetNumber(uint32_t, uint32_t) { return Answer(); }
int32_t TREVANIX_CALL CfgSetFlag(uint32_t, int32_t) { return Answer(); }
int32_t TREVANIX_CALL CfgTargetCreate(const char*) { return Answer(); }
int32_t TREVANIX_CALL CfgTargetUse(const char*) { return Answer(); }
int32_t TREVANIX_CALL CfgUseEntry(int32_t) { return Answer(); }

}

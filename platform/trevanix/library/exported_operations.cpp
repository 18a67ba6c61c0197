// The stand-in configuration library. It keeps the configuration in one text
// file, the store: CfgBegin locks and loads it, the operations change the copy
// in memory, CfgEnd writes it back atomically and CfgClose without CfgEnd
// forgets the changes.
#include <exception>

#include "answers.h"
#include "trevanix.h"
#include "configuration_operations.h"
#include "session.h"

namespace {

using trevanix::Session;

// No exception may cross into the caller: running out of memory, say,
// answers as a store that cannot be worked with.
template <class Operation>
std::int32_t Guarded(Operation operation) {
    try {
        return operation(trevanix::TheSession());
    } catch (const std::exception&) {
        return trevanix::kStoreFailed;
    }
}

// An operation on the configuration, which exists only between CfgBegin and
// CfgEnd.
template <class Operation>
std::int32_t InConfiguration(Operation operation) {
    return Guarded([&](Session& s) {
        return s.phase == trevanix::Phase::kBegun ? operation(s) : trevanix::kOutOfSequence;
    });
}

}  // namespace

extern "C" {

int32_t TREVANIX_CALL CfgOpen(int32_t mode) {
    return Guarded([=](Session& s) { return trevanix::OpenSession(s, mode); });
}

int32_t TREVANIX_CALL CfgClose(void) {
    return Guarded(trevanix::CloseSession);
}

int32_t TREVANIX_CALL CfgBegin(void) {
    return Guarded(trevanix::BeginSession);
}

int32_t TREVANIX_CALL CfgEnd(void) {
    return Guarded(trevanix::EndSession);
}

int32_t TREVANIX_CALL CfgLock(int32_t flag) {
    return InConfiguration([=](Session& s) { return trevanix::SetLock(s, flag); });
}

int32_t TREVANIX_CALL CfgTargetUnuse(int32_t what, int32_t* released) {
    return InConfiguration([=](Session& s) { return trevanix::Unuse(s, what, released); });
}

int32_t TREVANIX_CALL CfgTargetDelete(void) {
    return InConfiguration(trevanix::DeleteTarget);
}

int32_t TREVANIX_CALL CfgSetString(uint32_t attribute, const char* text) {
    return InConfiguration([=](Session& s) { return trevanix::SetString(s, attribute, text); });
}

int32_t TREVANIX_CALL CfgSetNumber(uint32_t attribute, uint32_t value) {
    return InConfiguration([=](Session& s) { return trevanix::SetNumber(s, attribute, value); });
}

int32_t TREVANIX_CALL CfgSetFlag(uint32_t attribute, int32_t value) {
    return InConfiguration([=](Session& s) { return trevanix::SetFlag(s, attribute, value); });
}

int32_t TREVANIX_CALL CfgTargetCreate(const char* name) {
    return InConfiguration([=](Session& s) { return trevanix::CreateTarget(s, name); });
}

int32_t TREVANIX_CALL CfgTargetUse(const char* name) {
    return InConfiguration([=](Session& s) { return trevanix::UseTarget(s, name); });
}

int32_t TREVANIX_CALL CfgUseEntry(int32_t index) {
    return InConfiguration([=](Session& s) { return trevanix::UseEntry(s, index); });
}

}

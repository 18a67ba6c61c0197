// Opening, beginning, ending and closing: where the store is read, locked
// and written.
#include "session.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "answers.h"
#include "trevanix.h"
#include "configuration_operations.h"
#include "store_format.h"

namespace trevanix {
namespace {

constexpr int kDefaultLockSeconds = 30;
constexpr long kLongestLockSeconds = 3600;

int LockSecondsFromEnvironment() {
    const char* text = std::getenv("TREVANIX_LOCK_TIMEOUT");
    if (text == nullptr || *text == '\0') {
        return kDefaultLockSeconds;
    }
    char* end = nullptr;
    const long seconds = std::strtol(text, &end, 10);
    return (*end == '\0' && seconds >= 0 && seconds <= kLongestLockSeconds) ? static_cast<int>(seconds)
                                                                            : kDefaultLockSeconds;
}

bool DryRunFromEnvironment() {
    const char* dryRun = std::getenv("TREVANIX_DRY_RUN");
    return dryRun != nullptr && std::strcmp(dryRun, "1") == 0;
}

// Back to a closed session: no lock, no configuration, nothing selected.
void Reset(Session& s) {
    s.lock.Release();
    s.configuration = {};
    s.loaded.clear();
    s.selection = Selection::kNone;
}

}  // namespace

Session& TheSession() {
    static Session session;
    return session;
}

std::int32_t OpenSession(Session& s, std::int32_t mode) {
    if (s.phase != Phase::kClosed) {
        return kOutOfSequence;
    }
    if (mode != CFG_OPEN_MODE) {
        return kBadArgument;
    }
    s.storePath = StorePath();
    s.dryRun = DryRunFromEnvironment();
    s.lockSeconds = LockSecondsFromEnvironment();
    s.phase = Phase::kOpened;
    return kOk;
}

std::int32_t BeginSession(Session& s) {
    if (s.phase != Phase::kOpened) {
        return kOutOfSequence;
    }
    // A dry run writes nothing, so it needs no lock: the store is only ever
    // replaced whole, and a read sees the old one or the new one.
    if (s.storePath.empty() || (!s.dryRun && !s.lock.Acquire(s.storePath, s.lockSeconds))) {
        return kStoreFailed;
    }
    std::string text;
    const ReadOutcome read = ReadStoreFile(s.storePath, text);
    StoreError error;
    if (read == ReadOutcome::kFailed || (read == ReadOutcome::kRead && !ParseStore(text, s.configuration, error))) {
        Reset(s);
        return kStoreFailed;
    }
    if (read == ReadOutcome::kMissing) {
        s.configuration = {};
    }
    s.loaded = std::move(text);
    s.selection = Selection::kNone;
    s.phase = Phase::kBegun;
    return kOk;
}

std::int32_t EndSession(Session& s) {
    if (s.phase != Phase::kBegun) {
        return kOutOfSequence;
    }
    ReleaseSelection(s);
    s.phase = Phase::kEnded;
    // A run that changed nothing leaves the store alone, file and all: no
    // write, no sync, and a store that did not exist is not created.
    const std::string text = FormatStore(s.configuration);
    const bool unchanged = text == (s.loaded.empty() ? FormatStore({}) : s.loaded);
    const bool written = s.dryRun || unchanged || ReplaceStoreFile(s.storePath, text);
    Reset(s);
    return written ? kOk : kStoreFailed;
}

std::int32_t CloseSession(Session& s) {
    if (s.phase == Phase::kClosed) {
        return kOutOfSequence;
    }
    Reset(s);  // changes without CfgEnd are forgotten
    s.phase = Phase::kClosed;
    return kOk;
}

}  // namespace trevanix

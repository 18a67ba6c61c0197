// The stand-in configuration library. It keeps the configuration in one text
// file, the store: CfgBegin locks and loads it, the operations change the copy
// in memory, CfgEnd writes it back atomically and CfgClose without CfgEnd
// forgets the changes.
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <string>

#include "answers.h"
#include "api/trevanix.h"
#include "configuration.h"
#include "store_file.h"
#include "store_format.h"

namespace trevanix {
namespace {

constexpr std::int32_t kOpenMode = 0;
constexpr std::int32_t kReleaseSelection = 1;
constexpr int kDefaultLockSeconds = 30;

enum class Phase { kClosed, kOpened, kBegun, kEnded };
enum class Selection { kNone, kTarget, kEntry };

struct Session {
    Phase phase = Phase::kClosed;
    std::string storePath;
    bool dryRun = false;          // answer everything, write nothing
    int lockSeconds = kDefaultLockSeconds;
    StoreLock lock;
    Configuration configuration;
    Selection selection = Selection::kNone;
    TargetMap::iterator target;   // the selected target
    std::size_t entry = 0;        // the selected entry, from 0
};

Session& TheSession() {
    static Session session;
    return session;
}

int LockSecondsFromEnvironment() {
    const char* text = std::getenv("TREVANIX_LOCK_TIMEOUT");
    if (text == nullptr || *text == '\0') {
        return kDefaultLockSeconds;
    }
    char* end = nullptr;
    const long seconds = std::strtol(text, &end, 10);
    return (*end == '\0' && seconds >= 0 && seconds <= 3600) ? static_cast<int>(seconds) : kDefaultLockSeconds;
}

// Ends the selection. An entry written with the controller and MSN that
// another entry already holds is folded into that one, so that applying a
// script again does not fill the entries with copies.
bool Release(Session& s) {
    const Selection released = s.selection;
    if (released == Selection::kEntry) {
        Entry& entry = s.configuration.entries[s.entry];
        for (std::size_t other = 0; other < kEntryCount && entry.taken; ++other) {
            if (other != s.entry && s.configuration.entries[other] == entry) {
                entry = Entry{};
            }
        }
    }
    s.selection = Selection::kNone;
    return released != Selection::kNone;
}

std::int32_t Begin(Session& s) {
    if (!s.dryRun && !s.lock.Acquire(s.storePath, s.lockSeconds)) {
        return kStoreFailed;
    }
    std::string text;
    const ReadOutcome read = ReadStoreFile(s.storePath, text);
    StoreError error;
    if (read == ReadOutcome::kFailed ||
        (read == ReadOutcome::kRead && !ParseStore(text, s.configuration, error))) {
        s.lock.Release();
        return kStoreFailed;
    }
    if (read == ReadOutcome::kMissing) {
        s.configuration = {};
    }
    s.selection = Selection::kNone;
    s.phase = Phase::kBegun;
    return kOk;
}

std::int32_t End(Session& s) {
    Release(s);
    const bool written = s.dryRun || ReplaceStoreFile(s.storePath, FormatStore(s.configuration));
    s.lock.Release();
    s.configuration = {};
    s.phase = Phase::kEnded;
    return written ? kOk : kStoreFailed;
}

// Every change but unlocking is refused while the configuration is locked.
std::int32_t MayChange(const Session& s) {
    return s.configuration.locked ? kLocked : kOk;
}

std::int32_t SetTargetText(Session& s, const TextAttribute& attribute, const char* text) {
    if (std::strlen(text) > attribute.longest) {
        return kTextTooLong;
    }
    if (s.selection != Selection::kTarget) {
        return kNothingSelected;
    }
    if (const std::int32_t refused = MayChange(s)) {
        return refused;
    }
    s.target->second.*attribute.member = text;
    return kOk;
}

std::int32_t SetEntryMsn(Session& s, const char* text) {
    if (std::strlen(text) > kMsnLongest) {
        return kTextTooLong;
    }
    if (s.selection != Selection::kEntry) {
        return kNothingSelected;
    }
    if (const std::int32_t refused = MayChange(s)) {
        return refused;
    }
    Entry& entry = s.configuration.entries[s.entry];
    entry.taken = true;
    entry.msn = text;
    return kOk;
}

std::int32_t SetString(Session& s, std::uint32_t attribute, const char* text) {
    if (text == nullptr) {
        return kBadArgument;
    }
    if (attribute == ATTR_MSN) {
        return SetEntryMsn(s, text);
    }
    const TextAttribute* target = FindTextAttribute(attribute);
    return target != nullptr ? SetTargetText(s, *target, text) : kBadArgument;
}

std::int32_t SetNumber(Session& s, std::uint32_t attribute, std::uint32_t value) {
    const bool controller = attribute == ATTR_CONTROLLER;
    if (!controller && !(attribute == ATTR_INBOUND_AUTH && value <= kAuthLargest)) {
        return kBadArgument;
    }
    if (s.selection != (controller ? Selection::kEntry : Selection::kTarget)) {
        return kNothingSelected;
    }
    if (const std::int32_t refused = MayChange(s)) {
        return refused;
    }
    if (controller) {
        Entry& entry = s.configuration.entries[s.entry];
        entry.taken = true;
        entry.controller = value;
    } else {
        s.target->second.inboundAuth = value;
    }
    return kOk;
}

std::int32_t SetFlag(Session& s, std::uint32_t attribute, std::int32_t value) {
    if (attribute != ATTR_ACTIVE || (value != 0 && value != 1)) {
        return kBadArgument;
    }
    if (s.selection != Selection::kTarget) {
        return kNothingSelected;
    }
    if (const std::int32_t refused = MayChange(s)) {
        return refused;
    }
    s.target->second.active = value == 1;
    return kOk;
}

std::int32_t CreateTarget(Session& s, const char* name) {
    if (name == nullptr) {
        return kBadArgument;
    }
    if (!IsValidName(name)) {
        return kBadName;
    }
    if (const std::int32_t refused = MayChange(s)) {
        return refused;
    }
    const auto [place, created] = s.configuration.targets.try_emplace(FoldName(name));
    if (!created) {
        return place->second.name == name ? kTargetExists : kExistsOtherCase;
    }
    place->second.name = name;
    return kOk;
}

// A failed selection leaves nothing selected, so that later attribute calls
// cannot change the target selected before it.
std::int32_t UseTarget(Session& s, const char* name) {
    Release(s);
    if (name == nullptr) {
        return kBadArgument;
    }
    if (!IsValidName(name)) {
        return kBadName;
    }
    const auto found = s.configuration.targets.find(FoldName(name));
    if (found == s.configuration.targets.end()) {
        return kNotFoundOrTaken;
    }
    s.selection = Selection::kTarget;
    s.target = found;
    return kOk;
}

std::int32_t DeleteTarget(Session& s) {
    if (s.selection != Selection::kTarget) {
        return kNothingSelected;
    }
    if (const std::int32_t refused = MayChange(s)) {
        return refused;
    }
    s.configuration.targets.erase(s.target);
    s.selection = Selection::kNone;
    return kOk;
}

std::int32_t UseEntry(Session& s, std::int32_t index) {
    Release(s);
    if (index < 1 || index > static_cast<std::int32_t>(kEntryCount)) {
        return kBadArgument;
    }
    const auto entry = static_cast<std::size_t>(index - 1);
    if (s.configuration.entries[entry].taken) {
        return kNotFoundOrTaken;
    }
    s.selection = Selection::kEntry;
    s.entry = entry;
    return kOk;
}

// Runs an operation of the configuration between CfgBegin and CfgEnd. No
// exception may cross into the caller: running out of memory answers as a
// store that cannot be worked with.
template <class Operation>
std::int32_t InConfiguration(Operation operation) {
    Session& s = TheSession();
    if (s.phase != Phase::kBegun) {
        return kOutOfSequence;
    }
    try {
        return operation(s);
    } catch (const std::exception&) {
        return kStoreFailed;
    }
}

}  // namespace
}  // namespace trevanix

using trevanix::Session;

extern "C" {

int32_t TREVANIX_CALL CfgOpen(int32_t mode) {
    Session& s = trevanix::TheSession();
    if (s.phase != trevanix::Phase::kClosed) {
        return trevanix::kOutOfSequence;
    }
    if (mode != trevanix::kOpenMode) {
        return trevanix::kBadArgument;
    }
    try {
        s.storePath = trevanix::StorePath();
    } catch (const std::exception&) {
        return trevanix::kStoreFailed;
    }
    const char* dryRun = std::getenv("TREVANIX_DRY_RUN");
    s.dryRun = dryRun != nullptr && std::strcmp(dryRun, "1") == 0;
    s.lockSeconds = trevanix::LockSecondsFromEnvironment();
    s.phase = trevanix::Phase::kOpened;
    return trevanix::kOk;
}

int32_t TREVANIX_CALL CfgClose(void) {
    Session& s = trevanix::TheSession();
    if (s.phase == trevanix::Phase::kClosed) {
        return trevanix::kOutOfSequence;
    }
    s.lock.Release();
    s.configuration = {};  // changes without CfgEnd are forgotten
    s.selection = trevanix::Selection::kNone;
    s.phase = trevanix::Phase::kClosed;
    return trevanix::kOk;
}

int32_t TREVANIX_CALL CfgBegin(void) {
    Session& s = trevanix::TheSession();
    if (s.phase != trevanix::Phase::kOpened) {
        return trevanix::kOutOfSequence;
    }
    if (s.storePath.empty()) {
        return trevanix::kStoreFailed;
    }
    try {
        return trevanix::Begin(s);
    } catch (const std::exception&) {
        s.lock.Release();
        return trevanix::kStoreFailed;
    }
}

int32_t TREVANIX_CALL CfgEnd(void) {
    return trevanix::InConfiguration([](Session& s) {
        try {
            return trevanix::End(s);
        } catch (const std::exception&) {
            s.lock.Release();
            s.phase = trevanix::Phase::kEnded;
            return trevanix::kStoreFailed;
        }
    });
}

int32_t TREVANIX_CALL CfgLock(int32_t flag) {
    return trevanix::InConfiguration([flag](Session& s) {
        if (flag != 0 && flag != 1) {
            return trevanix::kBadArgument;
        }
        s.configuration.locked = flag == 1;
        return trevanix::kOk;
    });
}

int32_t TREVANIX_CALL CfgTargetUnuse(int32_t what, int32_t* released) {
    return trevanix::InConfiguration([what, released](Session& s) {
        if (what != trevanix::kReleaseSelection || released == nullptr) {
            return trevanix::kBadArgument;
        }
        *released = trevanix::Release(s) ? 1 : 0;
        return trevanix::kOk;
    });
}

int32_t TREVANIX_CALL CfgTargetDelete(void) {
    return trevanix::InConfiguration(trevanix::DeleteTarget);
}

int32_t TREVANIX_CALL CfgSetString(uint32_t attribute, const char* text) {
    return trevanix::InConfiguration([=](Session& s) { return trevanix::SetString(s, attribute, text); });
}

int32_t TREVANIX_CALL CfgSetNumber(uint32_t attribute, uint32_t value) {
    return trevanix::InConfiguration([=](Session& s) { return trevanix::SetNumber(s, attribute, value); });
}

int32_t TREVANIX_CALL CfgSetFlag(uint32_t attribute, int32_t value) {
    return trevanix::InConfiguration([=](Session& s) { return trevanix::SetFlag(s, attribute, value); });
}

int32_t TREVANIX_CALL CfgTargetCreate(const char* name) {
    return trevanix::InConfiguration([=](Session& s) { return trevanix::CreateTarget(s, name); });
}

int32_t TREVANIX_CALL CfgTargetUse(const char* name) {
    return trevanix::InConfiguration([=](Session& s) { return trevanix::UseTarget(s, name); });
}

int32_t TREVANIX_CALL CfgUseEntry(int32_t index) {
    return trevanix::InConfiguration([=](Session& s) { return trevanix::UseEntry(s, index); });
}

}

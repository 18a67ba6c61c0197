#include "configuration_operations.h"

#include <cstring>

#include "answers.h"
#include "trevanix.h"

namespace trevanix {
namespace {

// Whether a change may go ahead: it needs what it changes to be selected
// (nothing for a change of the configuration as a whole), and every change
// but unlocking is refused while the configuration is locked.
std::int32_t MayChange(const Session& s, Selection needed) {
    if (needed != Selection::kNone && s.selection != needed) {
        return kNothingSelected;
    }
    return s.configuration.locked ? kLocked : kOk;
}

std::int32_t SetTargetText(Session& s, const TextAttribute& attribute, const char* text) {
    if (std::strlen(text) > attribute.longest) {
        return kTextTooLong;
    }
    if (const std::int32_t refused = MayChange(s, Selection::kTarget)) {
        return refused;
    }
    s.target->second.*attribute.member = text;
    return kOk;
}

std::int32_t SetEntryMsn(Session& s, const char* text) {
    if (std::strlen(text) > kMsnLongest) {
        return kTextTooLong;
    }
    if (const std::int32_t refused = MayChange(s, Selection::kEntry)) {
        return refused;
    }
    Entry& entry = s.configuration.entries[s.entry];
    entry.taken = true;
    entry.msn = text;
    return kOk;
}

}  // namespace

// An entry written with the controller and MSN that another entry already
// holds is folded into that one when it is released, so that applying a
// script again does not fill the entries with copies.
bool ReleaseSelection(Session& s) {
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

std::int32_t SetLock(Session& s, std::int32_t flag) {
    if (flag != 0 && flag != 1) {
        return kBadArgument;
    }
    s.configuration.locked = flag == 1;
    return kOk;
}

std::int32_t Unuse(Session& s, std::int32_t what, std::int32_t* released) {
    if (what != CFG_RELEASE_SELECTION || released == nullptr) {
        return kBadArgument;
    }
    *released = ReleaseSelection(s) ? 1 : 0;
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
    if (const std::int32_t refused = MayChange(s, controller ? Selection::kEntry : Selection::kTarget)) {
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
    if (const std::int32_t refused = MayChange(s, Selection::kTarget)) {
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
    if (const std::int32_t refused = MayChange(s, Selection::kNone)) {
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
    ReleaseSelection(s);
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
    if (const std::int32_t refused = MayChange(s, Selection::kTarget)) {
        return refused;
    }
    s.configuration.targets.erase(s.target);
    s.selection = Selection::kNone;
    return kOk;
}

std::int32_t UseEntry(Session& s, std::int32_t index) {
    ReleaseSelection(s);
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

}  // namespace trevanix

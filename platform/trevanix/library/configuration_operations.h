// The operations on the configuration of a begun session: selecting a target
// or an MSN entry, changing what is selected, and the lock. Each answers one
// of the codes in answers.h.
#pragma once

#include <cstdint>

#include "session.h"

namespace trevanix {

std::int32_t SetLock(Session& s, std::int32_t flag);
std::int32_t Unuse(Session& s, std::int32_t what, std::int32_t* released);
std::int32_t CreateTarget(Session& s, const char* name);
std::int32_t UseTarget(Session& s, const char* name);
std::int32_t DeleteTarget(Session& s);
std::int32_t UseEntry(Session& s, std::int32_t index);
std::int32_t SetString(Session& s, std::uint32_t attribute, const char* text);
std::int32_t SetNumber(Session& s, std::uint32_t attribute, std::uint32_t value);
std::int32_t SetFlag(Session& s, std::uint32_t attribute, std::int32_t value);

// Ends the selection, as every new selection and the end of the
// configuration do; true when something was selected.
bool ReleaseSelection(Session& s);

}  // namespace trevanix

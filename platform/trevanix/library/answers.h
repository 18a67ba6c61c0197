// What the stand-in library answers; 0 is success.
#pragma once

#include <cstdint>

#include "trevanix.h"

namespace trevanix {

inline constexpr std::int32_t kOk = CFG_OK;
inline constexpr std::int32_t kOutOfSequence = 1;    // before CfgOpen/CfgBegin, after CfgEnd, CfgOpen twice
inline constexpr std::int32_t kBadArgument = 2;      // unknown id, wrong setter, value out of range, null
inline constexpr std::int32_t kNothingSelected = 3;  // no target or entry selected for the call
inline constexpr std::int32_t kLocked = 4;           // a change while the configuration is locked
inline constexpr std::int32_t kTargetExists = CFG_TARGET_EXISTS;   // CfgTargetCreate: exists as spelled
inline constexpr std::int32_t kNotFoundOrTaken = CFG_NOT_FOUND_OR_TAKEN;  // CfgTargetUse: no such target; CfgUseEntry: taken
inline constexpr std::int32_t kBadName = 7;          // a target name empty or over 99 characters
inline constexpr std::int32_t kTextTooLong = 8;      // a text longer than its attribute takes
inline constexpr std::int32_t kStoreFailed = 9;      // the store cannot be read, locked or written
inline constexpr std::int32_t kExistsOtherCase = CFG_TARGET_EXISTS_OTHER_CASE; // CfgTargetCreate: exists in another letter case

}  // namespace trevanix

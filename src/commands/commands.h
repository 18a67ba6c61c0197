// The handlers of the script commands. Each reads its parameters from the
// rest of the line and answers the command result.
#pragma once

#include <cstdint>

namespace plovask {

// Targets: create, delete, select and release by name.
std::int32_t TargetCreate();
std::int32_t TargetDelete();
std::int32_t TargetUse();
std::int32_t TargetUnuse();

// Attributes of the selected target.
std::int32_t TargetSetISDNNumber();
std::int32_t TargetSetUsername();
std::int32_t TargetSetOutboundPassword();
std::int32_t TargetSetInboundAuth();
std::int32_t TargetSetRemoteSystemId();
std::int32_t TargetSetInboundPassword();
std::int32_t TargetSetActive();

// Controller MSNs and the configuration lock.
std::int32_t SetMSNForController();
std::int32_t LockConfig();

}  // namespace plovask

#include "frontend/exit_status.h"

namespace plovask {

int ProcessExitStatus(std::int32_t result) {
#ifdef _WIN32
    return result;
#else
    const int lowBits = static_cast<int>(static_cast<std::uint32_t>(result) & 0xFFu);
    return result != 0 && lowBits == 0 ? kFailureWithoutLowBits : lowBits;
#endif
}

}  // namespace plovask

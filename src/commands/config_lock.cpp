// LockConfig: hands a yes/no word to the library's configuration lock.
#include "commands/handlers.h"
#include "script/command_result.h"
#include "script/parameters.h"

namespace plovask {

std::int32_t LockConfig(const CommandEntry&) {
    std::int32_t locked = 0;
    if (!ReadBoolParameter(locked) || !CheckNoSurplusParameter()) {
        return kScriptError;
    }
    return ApiResult(CfgLock(locked));
}

}  // namespace plovask

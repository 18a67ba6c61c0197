// LockConfig: hands a yes/no word to the library's configuration lock.
#include "api/trevanix.h"
#include "commands/commands.h"
#include "script/command_result.h"
#include "script/parameters.h"

namespace plovask {

std::int32_t LockConfig() {
    std::int32_t locked = 0;
    if (!ReadBoolParameter(locked)) {
        return kScriptError;
    }
    return ApiResult(CfgLock(locked));
}

}  // namespace plovask

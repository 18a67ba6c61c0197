#include "script/script_state.h"

namespace plovask {

ScriptState g_state{};

}  // namespace plovask

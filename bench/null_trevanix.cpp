// A configuration library that does nothing and accepts everything: what is
// left of a run is the interpreter's own cost.
#include "trevanix.h"

extern "C" {

int32_t TREVANIX_CALL CfgOpen(int32_t) { return 0; }
int32_t TREVANIX_CALL CfgClose(void) { return 0; }
int32_t TREVANIX_CALL CfgBegin(void) { return 0; }
int32_t TREVANIX_CALL CfgEnd(void) { return 0; }
int32_t TREVANIX_CALL CfgLock(int32_t) { return 0; }
int32_t TREVANIX_CALL CfgTargetUnuse(int32_t, int32_t*) { return 0; }
int32_t TREVANIX_CALL CfgTargetDelete(void) { return 0; }
int32_t TREVANIX_CALL CfgSetString(uint32_t, const char*) { return 0; }
int32_t TREVANIX_CALL CfgSetNumber(uint32_t, uint32_t) { return 0; }
int32_t TREVANIX_CALL CfgSetFlag(uint32_t, int32_t) { return 0; }
int32_t TREVANIX_CALL CfgTargetCreate(const char*) { return 0; }
int32_t TREVANIX_CALL CfgTargetUse(const char*) { return 0; }
int32_t TREVANIX_CALL CfgUseEntry(int32_t) { return 0; }

}

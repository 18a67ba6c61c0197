/* The configuration library's interface: the thirteen operations the tool
 * calls, the attribute ids, the longest texts and the authentication values.
 * The ordinals under which TREVANIX.dll exports the operations are stated in
 * trevanix-x86.def and trevanix-x64.def beside this file.
 *
 * On Windows the library is TREVANIX.dll, bound by ordinal in the platform's
 * standard calling convention; elsewhere it is any shared library with the
 * soname libtrevanix.so.1 that exports these names. Every operation answers
 * a signed 32-bit code, 0 meaning success. Strings are NUL-terminated
 * single-byte text.
 *
 * The header is plain C so that a library written in either language can
 * implement it. */
#ifndef PLOVASK_API_TREVANIX_H
#define PLOVASK_API_TREVANIX_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define TREVANIX_CALL __stdcall
#else
#define TREVANIX_CALL
#endif

/* Set by the library itself while it is being built, so that its exports
 * stay visible when everything else in it is hidden. */
#if defined(TREVANIX_BUILDING_LIBRARY) && !defined(_WIN32)
#define TREVANIX_EXPORT __attribute__((visibility("default")))
#else
#define TREVANIX_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* What CfgSetString, CfgSetNumber and CfgSetFlag write. Ids 100 and 101
 * apply to the entry selected with CfgUseEntry, 120 to 126 to the target
 * selected with CfgTargetUse. */
enum TrevanixAttribute {
    ATTR_CONTROLLER = 100,        /* number */
    ATTR_MSN = 101,               /* text, at most CFG_MSN_LONGEST characters */
    ATTR_ISDN_NUMBER = 120,       /* text, at most CFG_ISDN_NUMBER_LONGEST characters */
    ATTR_USERNAME = 121,          /* text, at most CFG_TEXT_LONGEST characters */
    ATTR_OUTBOUND_PASSWORD = 122, /* text, at most CFG_TEXT_LONGEST characters */
    ATTR_INBOUND_AUTH = 123,      /* number, one of the AUTH_ values */
    ATTR_REMOTE_SYSTEM_ID = 124,  /* text, at most CFG_TEXT_LONGEST characters */
    ATTR_INBOUND_PASSWORD = 125,  /* text, at most CFG_TEXT_LONGEST characters */
    ATTR_ACTIVE = 126             /* flag, 0 or 1 */
};

/* The longest texts the library takes, in characters, without the
 * terminating NUL, and the number of MSN entries that CfgUseEntry numbers
 * from 1. */
enum TrevanixLimit {
    CFG_TEXT_LONGEST = 99,        /* a target name, and the text attributes not named below */
    CFG_ISDN_NUMBER_LONGEST = 24, /* ATTR_ISDN_NUMBER */
    CFG_MSN_LONGEST = 14,         /* ATTR_MSN */
    CFG_ENTRY_COUNT = 4
};

/* Values of ATTR_INBOUND_AUTH. */
enum TrevanixInboundAuth {
    AUTH_NONE = 0,
    AUTH_PAP = 1,
    AUTH_CHAP = 2
};

/* The only values the interface uses for CfgOpen's mode and for what
 * CfgTargetUnuse releases. */
enum TrevanixArgument {
    CFG_OPEN_MODE = 0,
    CFG_RELEASE_SELECTION = 1
};

/* Answers of the operations that the tool gives a meaning of its own. */
enum TrevanixResult {
    CFG_OK = 0,
    CFG_TARGET_EXISTS = 5,            /* CfgTargetCreate */
    CFG_NOT_FOUND_OR_TAKEN = 6,       /* CfgTargetUse, CfgUseEntry */
    CFG_TARGET_EXISTS_OTHER_CASE = 10 /* CfgTargetCreate */
};

TREVANIX_EXPORT int32_t TREVANIX_CALL CfgOpen(int32_t mode);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgClose(void);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgBegin(void);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgEnd(void);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgLock(int32_t flag);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgTargetUnuse(int32_t what, int32_t *released);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgTargetDelete(void);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgSetString(uint32_t attribute, const char *text);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgSetNumber(uint32_t attribute, uint32_t value);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgSetFlag(uint32_t attribute, int32_t value);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgTargetCreate(const char *name);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgTargetUse(const char *name);
TREVANIX_EXPORT int32_t TREVANIX_CALL CfgUseEntry(int32_t index);

#ifdef __cplusplus
}
#endif

#endif

// One use of the library by a process: opened, begun, ended, closed. While
// it is begun the configuration is held in memory, with what is selected.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "configuration.h"
#include "store_file.h"

namespace trevanix {

enum class Phase { kClosed, kOpened, kBegun, kEnded };
enum class Selection { kNone, kTarget, kEntry };

struct Session {
    Phase phase = Phase::kClosed;
    std::string storePath;
    bool dryRun = false;                  // answer everything, write nothing
    int lockSeconds = 30;                 // how long CfgBegin waits for a concurrent run
    StoreLock lock;
    Configuration configuration;          // the store's contents while begun
    std::string loaded;                   // the store's text as CfgBegin read it
    Selection selection = Selection::kNone;
    TargetMap::iterator target;           // the selected target
    std::size_t entry = 0;                // the selected entry, from 0
};

// The process's one session.
Session& TheSession();

// Each answers one of the codes in answers.h.
std::int32_t OpenSession(Session& s, std::int32_t mode);
std::int32_t BeginSession(Session& s);
std::int32_t EndSession(Session& s);
std::int32_t CloseSession(Session& s);

}  // namespace trevanix

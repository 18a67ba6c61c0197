// The recording fake configuration library, driven in-process: what the
// in-process tests plan for it and read back from it. A process run with the
// fake in front takes its plan from FAKE_TREVANIX_PLAN and writes its calls
// to FAKE_TREVANIX_LOG instead (fake_trevanix.cpp says how).
#pragma once

#include <string>
#include <vector>

namespace fake_trevanix {

// Forgets every call so far and plans the answers of the coming ones, in the
// form of FAKE_TREVANIX_PLAN.
void Reset(const std::string& plan);

// Every call since the last Reset, one line each, as the log writes them.
std::vector<std::string> Calls();

}  // namespace fake_trevanix

// The stored configuration as a plovask script that recreates it on an
// empty store.
#pragma once

#include <string>

#include "configuration.h"

namespace trevanix {

struct ExportResult {
    bool complete = false;  // false: a value cannot be written as a script token
    std::string script;     // the script, or what could not be written
};

ExportResult ExportScript(const Configuration& configuration, bool withPasswords);

}  // namespace trevanix

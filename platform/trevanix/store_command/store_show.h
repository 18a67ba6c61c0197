// The stored configuration as a person reads it, passwords masked.
#pragma once

#include <string>

#include "configuration.h"

namespace trevanix {

std::string ShowConfiguration(const Configuration& configuration);

}  // namespace trevanix

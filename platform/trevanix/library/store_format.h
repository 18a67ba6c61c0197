// The store's text: a version line, the lock, the four entries, then every
// target with its seven attributes, one value a line.
//
//   TREVANIX-STORE 1
//   lock off
//   entry 1 controller 1 msn "4711"
//   entry 2 free
//   ...
//   target "Headquarters"
//     isdn-number "040123456"
//     ...
//     inbound-auth chap
//     active yes
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "configuration.h"

namespace trevanix {

std::string FormatStore(const Configuration& configuration);

struct StoreError {
    std::size_t line = 0;  // 1-based; 0 when the text as a whole is wrong
    std::string reason;
};

// Reads a store's text into configuration. Anything that the library would
// not have written is refused, so that a damaged store is never taken for a
// smaller one.
[[nodiscard]] bool ParseStore(std::string_view text, Configuration& configuration, StoreError& error);

}  // namespace trevanix

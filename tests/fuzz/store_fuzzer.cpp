// Feeds arbitrary bytes to the stand-in library's store reader. A store it
// cannot parse is refused and leaves nothing behind; one it takes is written
// back as the same text it reads again, so nothing in it is lost or changed.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "store_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    trevanix::Configuration configuration;
    trevanix::StoreError error;
    if (!trevanix::ParseStore(text, configuration, error)) {
        if (!(configuration == trevanix::Configuration{}) || error.reason.empty()) {
            std::fputs("a refused store leaves a configuration or no reason behind\n", stderr);
            std::abort();
        }
        return 0;
    }
    const std::string written = trevanix::FormatStore(configuration);
    trevanix::Configuration again;
    if (!trevanix::ParseStore(written, again, error) || !(again == configuration) ||
        trevanix::FormatStore(again) != written) {
        std::fputs("a store that was taken does not survive being written and read again\n", stderr);
        std::abort();
    }
    return 0;
}

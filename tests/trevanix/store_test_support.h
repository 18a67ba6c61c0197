// A store of the test's own, and the store text a test expects, written out
// line by line as the format is documented.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "configuration.h"
#include "support/files.h"
#include "support/test_folder.h"

namespace trevanix_test {

using plovask_test::ReadFile;
using plovask_test::WriteFile;

inline void SetEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());  // an empty value removes it
#else
    if (value.empty()) {
        unsetenv(name);
    } else {
        setenv(name, value.c_str(), 1);
    }
#endif
}

// A fresh folder for the store, named by TREVANIX_STORE while it lives.
class StoreFolder {
public:
    explicit StoreFolder(const std::string& name)
        : folder_(plovask_test::FreshTestFolder("trevanix_library", name)) {
        SetEnvironment("TREVANIX_STORE", store().string());
        SetEnvironment("TREVANIX_DRY_RUN", "");
    }
    ~StoreFolder() {
        SetEnvironment("TREVANIX_STORE", "");
        plovask_test::RemoveIfPassed(folder_);
    }
    StoreFolder(const StoreFolder&) = delete;
    StoreFolder& operator=(const StoreFolder&) = delete;

    std::filesystem::path store() const { return folder_ / "store"; }

private:
    std::filesystem::path folder_;
};

inline trevanix::Target Site(std::string name, trevanix::Target fields = {}) {
    fields.name = std::move(name);
    return fields;
}

// Texts here hold no byte that the store escapes.
inline std::string StoreText(const std::vector<trevanix::Target>& targets,
                             std::vector<trevanix::Entry> entries = {}, bool locked = false) {
    const auto quoted = [](const std::string& text) { return "\"" + text + "\""; };
    entries.resize(trevanix::kEntryCount);
    std::string text = "TREVANIX-STORE 1\n";
    text += locked ? "lock on\n" : "lock off\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        text += "entry " + std::to_string(i + 1);
        text += entries[i].taken
                    ? " controller " + std::to_string(entries[i].controller) + " msn " + quoted(entries[i].msn) + "\n"
                    : " free\n";
    }
    for (const trevanix::Target& target : targets) {
        text += "target " + quoted(target.name) + "\n";
        text += "  isdn-number " + quoted(target.isdnNumber) + "\n";
        text += "  username " + quoted(target.username) + "\n";
        text += "  outbound-password " + quoted(target.outboundPassword) + "\n";
        text += "  remote-system-id " + quoted(target.remoteSystemId) + "\n";
        text += "  inbound-password " + quoted(target.inboundPassword) + "\n";
        text += std::string("  inbound-auth ") + (target.inboundAuth == 0 ? "none" : target.inboundAuth == 1 ? "pap" : "chap") + "\n";
        text += target.active ? "  active yes\n" : "  active no\n";
    }
    return text;
}

}  // namespace trevanix_test

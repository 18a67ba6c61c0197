// trevanix-store: shows the stand-in library's stored configuration, or
// exports it as a plovask script.
#include <cstdio>
#include <cstring>
#include <string>

#include "configuration.h"
#include "script_export.h"
#include "store_file.h"
#include "store_format.h"
#include "store_show.h"

namespace {

constexpr int kDone = 0;
constexpr int kUnreadable = 1;
constexpr int kUsage = 2;
constexpr int kNotExportable = 3;

constexpr const char* kUsageText =
    "usage: trevanix-store [--store PATH] show\n"
    "       trevanix-store [--store PATH] export [--passwords]\n"
    "\n"
    "  show      the stored configuration, passwords masked\n"
    "  export    a plovask script that recreates the configuration on an empty\n"
    "            store; passwords are left out unless --passwords is given\n"
    "  --store   the store to read (default: $TREVANIX_STORE, else the user's store)\n";

int Usage() {
    std::fputs(kUsageText, stderr);
    return kUsage;
}

void Write(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::string storePath;
    int next = 1;
    if (next < argc && std::strcmp(argv[next], "--store") == 0) {
        if (next + 1 >= argc) {
            return Usage();
        }
        storePath = argv[next + 1];
        next += 2;
    }
    if (next >= argc) {
        return Usage();
    }
    const std::string command = argv[next++];
    bool withPasswords = false;
    if (command == "export" && next < argc && std::strcmp(argv[next], "--passwords") == 0) {
        withPasswords = true;
        ++next;
    }
    if ((command != "show" && command != "export") || next != argc) {
        return Usage();
    }
    if (storePath.empty()) {
        storePath = trevanix::StorePath();
    }

    std::string text;
    trevanix::Configuration configuration;
    trevanix::StoreError error;
    const trevanix::ReadOutcome read = trevanix::ReadStoreFile(storePath, text);
    if (read == trevanix::ReadOutcome::kFailed) {
        std::fprintf(stderr, "trevanix-store: cannot read %s\n", storePath.c_str());
        return kUnreadable;
    }
    if (read == trevanix::ReadOutcome::kRead && !trevanix::ParseStore(text, configuration, error)) {
        std::fprintf(stderr, "trevanix-store: %s, line %zu: %s; the library refuses it until it is mended\n",
                     storePath.c_str(), error.line, error.reason.c_str());
        return kUnreadable;
    }

    if (command == "show") {
        Write("Store: " + storePath + (read == trevanix::ReadOutcome::kMissing ? " (not written yet)" : "") +
              "\n");
        Write(trevanix::ShowConfiguration(configuration));
        return kDone;
    }
    const trevanix::ExportResult exported = trevanix::ExportScript(configuration, withPasswords);
    if (!exported.complete) {
        std::fprintf(stderr, "trevanix-store: %s\n", exported.script.c_str());
        return kNotExportable;
    }
    Write(exported.script);
    return kDone;
}

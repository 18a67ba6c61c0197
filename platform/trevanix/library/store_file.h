// The store on disk: where it lives, the lock that keeps two runs apart, and
// reading and atomically replacing its file. The one place where the
// platforms differ.
#pragma once

#include <string>
#include <string_view>

namespace trevanix {

// TREVANIX_STORE when set, else the per-user default. Empty when no place
// can be found.
std::string StorePath();

// An exclusive lock on the file beside the store (its path and ".lock"),
// never on the store itself, which is replaced on every write. The system
// drops it when the process dies.
class StoreLock {
public:
    StoreLock() = default;
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // Creates the store's folder if need be and waits at most timeoutSeconds
    // for another holder to let go.
    [[nodiscard]] bool Acquire(const std::string& storePath, int timeoutSeconds);
    void Release();

private:
#ifdef _WIN32
    void* handle_ = nullptr;  // the lock file's HANDLE
#else
    int descriptor_ = -1;
#endif
};

enum class ReadOutcome {
    kRead,
    kMissing,  // no store yet: an empty configuration
    kFailed,
};

[[nodiscard]] ReadOutcome ReadStoreFile(const std::string& path, std::string& contents);

// Writes contents to a temporary file beside the store, readable and
// writable by the owner alone, syncs it, renames it over the store and
// syncs the folder. On failure the old store is left as it was.
[[nodiscard]] bool ReplaceStoreFile(const std::string& path, std::string_view contents);

}  // namespace trevanix

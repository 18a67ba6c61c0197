#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "store_file.h"

namespace trevanix {
namespace {

constexpr mode_t kPrivateFile = 0600;
constexpr mode_t kPrivateFolder = 0700;
constexpr auto kLockPollInterval = std::chrono::milliseconds(10);

std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Creates every missing folder on the way with owner-only access, whatever
// the umask.
bool CreateFolders(const std::string& folder) {
    std::string partial;
    for (const auto& part : std::filesystem::path(folder)) {
        partial = (std::filesystem::path(partial) / part).string();
        if (mkdir(partial.c_str(), kPrivateFolder) == 0) {
            if (chmod(partial.c_str(), kPrivateFolder) != 0) {
                return false;
            }
        } else if (errno != EEXIST) {
            return false;
        }
    }
    return true;
}

int OpenPrivate(const std::string& path, int flags) {
    const int fd = open(path.c_str(), flags | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kPrivateFile);
    if (fd >= 0 && fchmod(fd, kPrivateFile) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    const passwd* user = getpwuid(getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

}  // namespace

std::string StorePath() {
    if (const char* path = std::getenv("TREVANIX_STORE"); path != nullptr && path[0] != '\0') {
        return path;
    }
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
        return std::string(config) + "/trevanix/store";
    }
    const std::string home = HomeFolder();
    return home.empty() ? "" : home + "/.config/trevanix/store";
}

StoreLock::~StoreLock() {
    Release();
}

bool StoreLock::Acquire(const std::string& storePath, int timeoutSeconds) {
    Release();
    if (!CreateFolders(FolderOf(storePath))) {
        return false;
    }
    // A lock file that cannot be opened for writing, in a read-only folder
    // say, still locks: the run then fails where it writes, at the end.
    const std::string lockPath = storePath + ".lock";
    descriptor_ = OpenPrivate(lockPath, O_RDWR);
    if (descriptor_ < 0) {
        descriptor_ = open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    }
    if (descriptor_ < 0) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            Release();
            return false;
        }
        std::this_thread::sleep_for(kLockPollInterval);
    }
    return true;
}

void StoreLock::Release() {
    if (descriptor_ >= 0) {
        close(descriptor_);  // drops the lock
        descriptor_ = -1;
    }
}

ReadOutcome ReadStoreFile(const std::string& path, std::string& contents) {
    contents.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? ReadOutcome::kMissing : ReadOutcome::kFailed;
    }
    struct stat status {};
    if (fstat(fd, &status) == 0 && status.st_size > 0) {
        contents.reserve(static_cast<std::size_t>(status.st_size));
    }
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            close(fd);
            return ReadOutcome::kFailed;
        }
        if (got == 0) {
            break;
        }
        contents.append(chunk, static_cast<std::size_t>(got));
    }
    close(fd);
    return ReadOutcome::kRead;
}

bool ReplaceStoreFile(const std::string& path, std::string_view contents) {
    const std::string folder = FolderOf(path);
    const std::string temporary = path + ".tmp";
    if (!CreateFolders(folder)) {
        return false;
    }
    const int fd = OpenPrivate(temporary, O_WRONLY | O_TRUNC);
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, contents) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename is durable only once the folder is synced; the new store is
    // in place either way, so a failed sync is not a failed write.
    SyncFolder(folder);
    return true;
}

}  // namespace trevanix

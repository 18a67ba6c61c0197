#include <windows.h>
#include <sddl.h>

#include <cstdlib>
#include <string>

#include "store_file.h"

namespace trevanix {
namespace {

constexpr DWORD kLockPollMilliseconds = 10;

// Full access for the user running the tool and the system alone, not
// inherited from the folder, and handed on to what is created in a folder:
// the store holds passwords, wherever TREVANIX_STORE puts it.
std::wstring CurrentUserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::wstring sid;
    std::string buffer(size, '\0');
    wchar_t* text = nullptr;
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
        sid = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

class OwnerOnly {
public:
    explicit OwnerOnly(const wchar_t* inheritance) {
        const std::wstring user = CurrentUserSid();
        if (user.empty()) {
            return;
        }
        const std::wstring descriptor = std::wstring(L"D:P(A;") + inheritance + L";FA;;;" + user + L")(A;" +
                                        inheritance + L";FA;;;SY)";
        attributes_.nLength = sizeof attributes_;
        ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor.c_str(), SDDL_REVISION_1,
                                                             &attributes_.lpSecurityDescriptor, nullptr);
    }
    ~OwnerOnly() { LocalFree(attributes_.lpSecurityDescriptor); }
    OwnerOnly(const OwnerOnly&) = delete;
    OwnerOnly& operator=(const OwnerOnly&) = delete;

    SECURITY_ATTRIBUTES* get() { return attributes_.lpSecurityDescriptor != nullptr ? &attributes_ : nullptr; }

private:
    SECURITY_ATTRIBUTES attributes_{};
};

SECURITY_ATTRIBUTES* PrivateFile() {
    static OwnerOnly security(L"");
    return security.get();
}

SECURITY_ATTRIBUTES* PrivateFolder() {
    static OwnerOnly security(L"OICI");
    return security.get();
}

// Paths are single-byte text in the system's code page, as everywhere in the
// interface; the wide calls take them converted.
std::wstring Wide(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash == 0 ? 1 : slash);
}

// Creates every missing folder on the way, for the owner alone.
bool CreateFolders(const std::wstring& folder) {
    for (std::size_t next = folder.find_first_of(L"\\/", 1);; next = folder.find_first_of(L"\\/", next + 1)) {
        const std::wstring partial = folder.substr(0, next);
        if (!partial.empty() && partial.back() != L':' && !CreateDirectoryW(partial.c_str(), PrivateFolder()) &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
        if (next == std::wstring::npos) {
            return true;
        }
    }
}

HANDLE OpenForWriting(const std::wstring& path, DWORD disposition) {
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, PrivateFile(),
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::string StorePath() {
    if (const char* path = std::getenv("TREVANIX_STORE"); path != nullptr && path[0] != '\0') {
        return path;
    }
    const char* appData = std::getenv("APPDATA");
    return appData != nullptr && appData[0] != '\0' ? std::string(appData) + "\\TREVANIX\\store" : "";
}

StoreLock::~StoreLock() {
    Release();
}

bool StoreLock::Acquire(const std::string& storePath, int timeoutSeconds) {
    Release();
    const std::wstring path = Wide(storePath);
    if (!CreateFolders(FolderOf(path))) {
        return false;
    }
    const HANDLE file = OpenForWriting(path + L".lock", OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutSeconds) * 1000;
    for (;;) {
        OVERLAPPED whole{};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole)) {
            break;
        }
        if (GetTickCount64() >= deadline) {
            CloseHandle(file);
            return false;
        }
        Sleep(kLockPollMilliseconds);
    }
    handle_ = file;
    return true;
}

void StoreLock::Release() {
    if (handle_ != nullptr) {
        CloseHandle(static_cast<HANDLE>(handle_));  // drops the lock
        handle_ = nullptr;
    }
}

ReadOutcome ReadStoreFile(const std::string& path, std::string& contents) {
    contents.clear();
    const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadOutcome::kMissing
                                                                              : ReadOutcome::kFailed;
    }
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (ReadFile(file, chunk, sizeof chunk, &got, nullptr) == 0) {
            CloseHandle(file);
            return ReadOutcome::kFailed;
        }
        if (got == 0) {
            break;
        }
        contents.append(chunk, got);
    }
    CloseHandle(file);
    return ReadOutcome::kRead;
}

bool ReplaceStoreFile(const std::string& path, std::string_view contents) {
    const std::wstring target = Wide(path);
    const std::wstring temporary = target + L".tmp";
    if (!CreateFolders(FolderOf(target))) {
        return false;
    }
    const HANDLE file = OpenForWriting(temporary, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool written = true;
    while (written && !contents.empty()) {
        DWORD wrote = 0;
        const auto chunk = static_cast<DWORD>(contents.size() < 0x40000000 ? contents.size() : 0x40000000);
        written = WriteFile(file, contents.data(), chunk, &wrote, nullptr) != 0 && wrote > 0;
        contents.remove_prefix(wrote);
    }
    written = written && FlushFileBuffers(file) != 0;
    CloseHandle(file);
    if (!written ||
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace trevanix

#include "script/script_file.h"

#include <sys/stat.h>

namespace plovask {
namespace {

bool IsFolder(std::FILE* file) {
#ifdef _WIN32
    struct _stat64 status {};
    return _fstat64(_fileno(file), &status) == 0 && (status.st_mode & _S_IFDIR) != 0;
#else
    struct stat status {};
    return fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode);
#endif
}

}  // namespace

std::FILE* OpenScriptFile(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file != nullptr && IsFolder(file)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

}  // namespace plovask

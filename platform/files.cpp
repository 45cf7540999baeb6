#include "platform/files.h"

#include <cerrno>
#include <cstdlib>

namespace vdxml_platform {
namespace {
thread_local unsigned long t_lastError = 0;
}

std::string TempDirectory() {
    const char* env = std::getenv("TMPDIR");
    std::string dir = (env && *env) ? env : "/tmp";
    if (dir.back() != '/') dir.push_back('/');
    return dir;
}

unsigned long Win32ErrorFromErrno(int err) {
    switch (err) {
        case 0:
            return 0;
        case ENOENT:
            return 2;  // ERROR_FILE_NOT_FOUND
        case ENOTDIR:
        case ENAMETOOLONG:
            return 3;  // ERROR_PATH_NOT_FOUND
        case EMFILE:
        case ENFILE:
            return 4;  // ERROR_TOO_MANY_OPEN_FILES
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return 5;  // ERROR_ACCESS_DENIED
        case EBADF:
            return 6;  // ERROR_INVALID_HANDLE
        case ENOMEM:
            return 8;  // ERROR_NOT_ENOUGH_MEMORY
        case EBUSY:
        case ETXTBSY:
            return 32;  // ERROR_SHARING_VIOLATION
        case EEXIST:
            return 80;  // ERROR_FILE_EXISTS
        case EINVAL:
            return 87;  // ERROR_INVALID_PARAMETER
        case ENOSPC:
        case EDQUOT:
            return 112;  // ERROR_DISK_FULL
        case EFBIG:
            return 223;  // ERROR_FILE_TOO_LARGE
        case EIO:
            return 1117;  // ERROR_IO_DEVICE
        default:
            return 1627;  // ERROR_FUNCTION_FAILED
    }
}

unsigned long GetLastError() { return t_lastError; }
void SetLastError(unsigned long code) { t_lastError = code; }

}  // namespace vdxml_platform

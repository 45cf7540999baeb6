// Files and folders: the temporary directory and the Win32 error codes of failed calls.
#pragma once

#include <string>

namespace vdxml_platform {

/// The user's temporary directory with a trailing '/': $TMPDIR when set and not empty, else /tmp/.
std::string TempDirectory();

/// The Win32 error code that matches an errno value (ENOENT -> 2 file not found,
/// ENOTDIR/ENAMETOOLONG -> 3 path not found, EMFILE/ENFILE -> 4 too many open files,
/// EACCES/EPERM/EROFS/EISDIR -> 5 access denied, EBUSY/ETXTBSY -> 32 sharing violation,
/// ENOSPC/EDQUOT -> 112 disk full, ...); 0 gives 0 and an unknown errno 1627 (function
/// failed). HRESULT_FROM_WIN32 turns the code into a status.
unsigned long Win32ErrorFromErrno(int err);

/// The last error of the calling thread as a Win32 code, like GetLastError(): the file
/// stream and the file replacement behind every save record their failed system calls here.
/// 0 when none was recorded.
unsigned long GetLastError();
/// Records code as the calling thread's last error.
void SetLastError(unsigned long code);

}  // namespace vdxml_platform

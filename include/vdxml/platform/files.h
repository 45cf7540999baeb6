// Files and folders: the temporary directory and the Win32 error codes of failed calls.
#pragma once

#include <string>

namespace VdXmlPlatform {

/// The user's temporary directory with a trailing '/': $TMPDIR when set and not empty, else /tmp/.
std::string TempDirectory();

/// The Win32 error code that matches an errno value (ENOENT -> 2 file not found, ENOTDIR -> 3
/// path not found, EACCES/EPERM/EROFS/EISDIR -> 5 access denied, EBUSY/ETXTBSY -> 32 sharing
/// violation, ENOSPC/EDQUOT -> 112 disk full, ...); an unknown errno gives 1627 (function failed).
unsigned long Win32ErrorFromErrno(int err);

/// The last error of the calling thread as a Win32 code, like GetLastError().
unsigned long GetLastError();
void SetLastError(unsigned long code);

}  // namespace VdXmlPlatform

// What the write-fault tests share: counting the process's descriptors, a small file system
// of its own that fills up or turns read-only, a file-size limit that stops writes at a
// chosen size, and a document of a given size written through either back end.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

#include "vdxml/document.h"

namespace vdxml_test {

/// The names in a folder, sorted ("." and ".." left out).
std::vector<std::string> FolderNames(const std::string& folder);

/// A tmpfs of the given size mounted on a folder of its own while alive (needs the right to
/// mount: mounted() is false without it). Unmounted on destruction.
class SmallFileSystem {
  public:
    SmallFileSystem(const std::string& folder, const char* size);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool mounted() const { return m_mounted; }
    const std::string& path() const { return m_path; }
    /// Turns the file system read-only (true) or writable again; false when refused.
    bool SetReadOnly(bool readOnly);

  private:
    std::string m_path;
    std::string m_size;
    bool m_mounted = false;
};

/// While alive, no file of the process grows beyond bytes: a write past it fails with EFBIG
/// instead of raising SIGXFSZ. A stand-in for a full disk that needs no privileges.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_saved{};
    struct sigaction m_savedAction {};
};

/// Initialises doc on the back end for path and writes a project with `entries` numbered
/// entries (about 40 bytes each in the file). The first failing status, or the engine's
/// _com_error as its status.
long WriteEntries(CVdXmlDocument& doc, IVdXmlDoc::enmDocType backEnd, const std::string& path,
                  int entries);
/// Saves; the engine's _com_error comes back as its status.
long SaveCatching(CVdXmlDocument& doc);
/// Writes a complete small document to path (fails the calling test otherwise) and returns
/// its bytes.
std::string WriteGoodFile(const std::string& path);

}  // namespace vdxml_test

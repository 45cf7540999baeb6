// Replacing a file whole. The new content is written to a temporary file beside the target
// (same folder, so the same file system), flushed to disk and renamed over the target only
// once it is complete: a failed or interrupted write never leaves a truncated file where the
// previous one was. Both back ends save through it.
#pragma once

#include <sys/types.h>

#include <string>

class CVdXmlFileReplacement {
  public:
    CVdXmlFileReplacement() = default;
    /// Abandons a replacement that was begun and not committed.
    ~CVdXmlFileReplacement();
    CVdXmlFileReplacement(const CVdXmlFileReplacement&) = delete;
    CVdXmlFileReplacement& operator=(const CVdXmlFileReplacement&) = delete;

    /// Checks that target (a UTF-8 path) can be created or replaced and prepares the file that
    /// takes the new content:
    /// - a missing target is created empty, which keeps its name taken while the content is
    ///   written (an abandoned replacement removes it again);
    /// - an existing regular file must open for writing (it is neither truncated nor changed);
    ///   the temporary file takes its permission bits and, where allowed, its owner;
    /// - a symbolic link is followed: the file it points to is replaced, the link stays;
    /// - anything else that exists (a device such as /dev/null, a pipe) cannot be replaced
    ///   and is written in place.
    /// S_OK, or the system's error as HRESULT_FROM_WIN32: missing folder 2 or 3, no
    /// permission or a folder in the way 5. A replacement begun before is abandoned first.
    long Begin(const std::string& target);
    /// Where the content goes: the temporary file, or the target itself when it is written in
    /// place. Empty unless begun.
    const std::string& WritePath() const { return m_writePath; }
    /// Flushes the temporary file to disk and renames it over the target. S_OK, or the
    /// system's error (disk full 112 ...), the temporary file removed and the target as it
    /// was. E_FAIL unless begun.
    long Commit();
    /// Removes the temporary file and the target created by Begin; a target that existed
    /// keeps its content. Nothing happens unless begun.
    void Abandon();

  private:
    long CreateTemporary(const std::string& folder, const std::string& base);
    void Reset();

    std::string m_target;     // the file replaced (a link's destination)
    std::string m_writePath;  // the temporary file, or m_target when written in place
    int m_fd = -1;            // the temporary file, open until Commit
    bool m_inPlace = false;
    bool m_createdTarget = false;  // Begin created the target: remove it when abandoned
    dev_t m_targetDevice = 0;      // which file Begin created, to remove no other
    ino_t m_targetInode = 0;
    mode_t m_mode = 0;
    uid_t m_owner = 0;
    gid_t m_group = 0;
};

// Helpers of the streaming tests: wide file names, a folder nobody may write into, the
// descriptors the process holds on a file, and the streaming back end behind a document.
#pragma once

#include <string>

#include "core/stream_doc.h"
#include "vdxml/document.h"

namespace vdxml_test {

/// A UTF-8 path as the wide name the library takes.
std::wstring WidePath(const std::string& path);

/// A folder created without write permission below a writable one, made writable again on
/// destruction so that its TempDir can remove it. The superuser may write anywhere, so when
/// the tests run as root the effective user becomes "nobody" while this object lives (the
/// parent folder is opened up for that user to reach it). enforced() is false when the
/// folder is writable all the same.
class UnwritableDir {
  public:
    UnwritableDir(const std::string& parent, const std::string& name);
    ~UnwritableDir();
    UnwritableDir(const UnwritableDir&) = delete;
    UnwritableDir& operator=(const UnwritableDir&) = delete;
    const std::string& path() const { return m_path; }
    bool enforced() const { return m_enforced; }

  private:
    std::string m_path;
    bool m_enforced = false;
    bool m_droppedRoot = false;
};

/// How many descriptors of this process refer to the file at path.
int DescriptorsOpenOn(const std::string& path);

/// The streaming back end of an initialised document, or null for another back end.
CVdXmlStreamDoc* StreamBackEnd(const CVdXmlDocument& doc);

}  // namespace vdxml_test

#include "stream/stream_test_util.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vdxml_test {
namespace {
constexpr uid_t kNobody = 65534;
}

std::wstring WidePath(const std::string& path) { return Utf8ToWide(path); }

UnwritableDir::UnwritableDir(const std::string& parent, const std::string& name)
    : m_path(parent + "/" + name) {
    ::mkdir(m_path.c_str(), 0555);
    if (::geteuid() == 0) {
        ::chmod(parent.c_str(), 0755);
        m_droppedRoot = ::seteuid(kNobody) == 0;
    }
    const std::string probe = m_path + "/probe";
    m_enforced = !std::ofstream(probe).is_open();
    ::unlink(probe.c_str());
}

UnwritableDir::~UnwritableDir() {
    if (m_droppedRoot && ::seteuid(0) != 0) std::abort();  // later tests need their user back
    ::chmod(m_path.c_str(), 0755);
}

int DescriptorsOpenOn(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path wanted = fs::weakly_canonical(path, ec);
    int count = 0;
    for (const fs::directory_entry& fd : fs::directory_iterator("/proc/self/fd", ec)) {
        std::error_code linkError;
        const fs::path target = fs::read_symlink(fd.path(), linkError);
        if (!linkError && target == wanted) ++count;
    }
    return count;
}

CVdXmlStreamDoc* StreamBackEnd(const CVdXmlDocument& doc) {
    return dynamic_cast<CVdXmlStreamDoc*>(doc.GetXmlDocument().get());
}

}  // namespace vdxml_test

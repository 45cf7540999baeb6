#include "writefaults/fault_support.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "support/document_fixture.h"
#include "support/test_files.h"

namespace vdxml_test {

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

SmallFileSystem::SmallFileSystem(const std::string& folder, const char* size)
    : m_path(folder), m_size(std::string("size=") + size) {
    mkdir(folder.c_str(), 0755);
    m_mounted = mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, m_size.c_str()) == 0;
}

SmallFileSystem::~SmallFileSystem() {
    if (m_mounted) umount2(m_path.c_str(), MNT_DETACH);
}

bool SmallFileSystem::SetReadOnly(bool readOnly) {
    const unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0);
    return m_mounted && mount("tmpfs", m_path.c_str(), "tmpfs", flags, m_size.c_str()) == 0;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &m_savedAction);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    sigaction(SIGXFSZ, &m_savedAction, nullptr);
}

long WriteEntries(CVdXmlDocument& doc, IVdXmlDoc::enmDocType backEnd, const std::string& path,
                  int entries) {
    try {
        long hr = doc.Initialize(SampleRoot(), backEnd, _bstr_t(path), 0);
        if (FAILED(hr)) return hr;
        CVdXmlNode project;
        hr = project.Create(*doc.GetNode(CVdXmlDocument::NODE_APPLICATION), L"Project", nullptr);
        for (long i = 0; i < entries && SUCCEEDED(hr); ++i)
            hr = project.InsertEntry(L"Value", _bstr_t(L"entry number ") + std::to_wstring(i));
        return hr;
    } catch (const _com_error& e) {
        return e.Error();
    }
}

long SaveCatching(CVdXmlDocument& doc) {
    try {
        return doc.Save();
    } catch (const _com_error& e) {
        return e.Error();
    }
}

std::string WriteGoodFile(const std::string& path) {
    CVdXmlDocument doc;
    EXPECT_EQ(WriteEntries(doc, IVdXmlDoc::DOCTYPE_DOM, path, 3), S_OK);
    EXPECT_EQ(doc.Save(), S_OK);
    const std::string bytes = ReadBytes(path);
    EXPECT_FALSE(bytes.empty());
    return bytes;
}

}  // namespace vdxml_test

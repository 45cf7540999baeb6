#include "support/test_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vdxml_test {

TempDir::TempDir() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/vdxml-test-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::file(const std::string& name) const { return m_path + "/" + name; }

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    EXPECT_TRUE(out.good()) << "cannot write " << path;
    return path;
}

long PeakKb(bool reset) {
    if (reset) std::ofstream("/proc/self/clear_refs") << "5";
    std::ifstream status("/proc/self/status");
    for (std::string key; status >> key; status.ignore(4096, '\n'))
        if (key == "VmHWM:" && status >> key) return std::stol(key);
    return -1;
}

int OpenDescriptorCount(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = path.empty() ? fs::path() : fs::canonical(path, ec);
    int count = 0;
    for (const fs::directory_entry& fd : fs::directory_iterator("/proc/self/fd", ec)) {
        if (path.empty()) {
            ++count;
            continue;
        }
        std::error_code linkError;
        if (fs::read_symlink(fd.path(), linkError) == target) ++count;
    }
    return path.empty() ? count - 1 : count;  // the listing's own descriptor
}

}  // namespace vdxml_test

#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vdxml_fuzz {
namespace {

std::string& Folder() {
    static std::string folder;
    return folder;
}

void RemoveFolder() {
    std::error_code ignored;
    if (!Folder().empty()) std::filesystem::remove_all(Folder(), ignored);
}

}  // namespace

const std::string& ScratchFolder() {
    std::string& folder = Folder();
    if (folder.empty()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vdxml-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) Fail(__FILE__, __LINE__, "no scratch folder");
        folder = pattern;
        std::atexit(RemoveFolder);
    }
    return folder;
}

std::string ScratchFile(const std::string& name) { return ScratchFolder() + "/" + name; }

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Fail(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: expectation broken: %s\n", file, line, what);
    std::abort();
}

VDXML_ROOT FuzzRoot() {
    VDXML_ROOT root;
    root.NamespaceURI = L"urn:vdxml:fuzz";
    root.Company = L"Fuzz Survey";
    root.Application = L"Harness";
    root.Version.Major = 1;
    root.Version.Minor = 0;
    root.Version.Build = 1;
    root.Units.Linear = 1;
    root.Units.Angular = 1;
    root.Units.TimeSystem = 2;
    return root;
}

}  // namespace vdxml_fuzz

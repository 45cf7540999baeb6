#include "bench_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <stdexcept>

#include "library_survey.h"

namespace vdxml_bench {

const std::string& BenchDirectory() {
    static const std::string directory = [] {
        const char* chosen = std::getenv("VDXML_BENCH_DIR");
        std::string path = chosen && *chosen ? chosen : "bench-files";
        if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
            throw std::runtime_error("cannot create " + path);
        return path;
    }();
    return directory;
}

std::string OutputPath(const std::string& tag, long long points) {
    return BenchDirectory() + "/" + tag + "-" + std::to_string(points) + ".xml";
}

const std::string& InputFile(long long points) {
    static std::map<long long, std::string> written;
    auto found = written.find(points);
    if (found != written.end()) return found->second;
    const std::string path = OutputPath("input", points);
    WriteSurveyWithLibrary(path, IVdXmlDoc::DOCTYPE_STREAM, points);
    return written.emplace(points, path).first->second;
}

std::uint64_t FileSize(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) throw std::runtime_error("cannot stat " + path);
    return static_cast<std::uint64_t>(info.st_size);
}

void RemoveFile(const std::string& path) { ::unlink(path.c_str()); }

}  // namespace vdxml_bench

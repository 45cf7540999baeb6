#include "floor_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace vdxml_bench {
namespace {
constexpr std::size_t kBlock = 64 * 1024;

int OpenOrThrow(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) throw std::runtime_error("cannot open " + path);
    return fd;
}
}  // namespace

void WriteFromMemory(const std::string& path, const std::vector<char>& block, std::uint64_t total) {
    if (block.empty() && total > 0) throw std::runtime_error("no bytes to write");
    const int fd = OpenOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC);
    std::uint64_t done = 0;
    while (done < total) {
        const std::size_t chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), total - done));
        const ssize_t n = ::write(fd, block.data(), chunk);
        if (n <= 0) {
            ::close(fd);
            throw std::runtime_error("cannot write " + path);
        }
        done += static_cast<std::uint64_t>(n);
    }
    if (::close(fd) != 0) throw std::runtime_error("cannot close " + path);
}

std::vector<char> FloorBlock(const std::string& path) {
    const int fd = OpenOrThrow(path, O_RDONLY);
    std::vector<char> block(kBlock);
    const ssize_t n = ::read(fd, block.data(), block.size());
    ::close(fd);
    if (n <= 0) throw std::runtime_error("cannot read " + path);
    block.resize(static_cast<std::size_t>(n));
    return block;
}

}  // namespace vdxml_bench

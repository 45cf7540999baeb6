#include "peak_memory.h"

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>

namespace vdxml_bench {
namespace {

// A "Vm...: <n> kB" line of /proc/self/status, in KiB; -1 when missing.
long StatusKib(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtol(line + length + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return value;
}

[[noreturn]] void RunChild(int out, const std::function<void()>& work) {
    malloc_trim(0);
    PeakMemory memory;
    memory.baselineKib = StatusKib("VmRSS");
    int code = 0;
    try {
        work();
        memory.peakKib = StatusKib("VmHWM");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        code = 1;
    }
    const bool sent = ::write(out, &memory, sizeof memory) == static_cast<ssize_t>(sizeof memory);
    ::_exit(sent ? code : 2);
}

}  // namespace

PeakMemory MeasureInChild(const std::function<void()>& work) {
    int channel[2];
    if (::pipe(channel) != 0) throw std::runtime_error("cannot create a pipe");
    std::fflush(nullptr);  // the child must not write the parent's buffered output again
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("cannot fork");
    if (child == 0) {
        ::close(channel[0]);
        RunChild(channel[1], work);
    }
    ::close(channel[1]);
    PeakMemory memory;
    const ssize_t got = ::read(channel[0], &memory, sizeof memory);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (got != static_cast<ssize_t>(sizeof memory) || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0 || memory.baselineKib < 0 || memory.peakKib < 0)
        throw std::runtime_error("the measured child failed");
    return memory;
}

}  // namespace vdxml_bench

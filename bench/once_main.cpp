// Runs one operation once, for profilers and instruction counts. Preparation (the readers'
// input file) happens first, outside MeasuredRun, so a profiler can collect just that:
//   valgrind --tool=callgrind --toggle-collect="vdxml_bench::MeasuredRun*"
//            vdxml_bench_once stream_write/library 10000
// Usage: vdxml_bench_once <operation> <points>
#include <cstdio>
#include <exception>
#include <string>

#include "operations.h"

namespace vdxml_bench {
__attribute__((noinline)) void MeasuredRun(const Operation& op, long long points) {
    op.run(points);
}
}  // namespace vdxml_bench

int main(int argc, char** argv) {
    using namespace vdxml_bench;
    if (argc != 3) {
        std::fprintf(stderr, "usage: vdxml_bench_once <operation> <points>\noperations:\n");
        for (const Operation& op : Operations()) std::fprintf(stderr, "  %s\n", op.name.c_str());
        return 2;
    }
    try {
        const long long points = ParseSizes(argv[2]).front();
        for (const Operation& op : Operations()) {
            if (op.name != argv[1]) continue;
            Prepare(points);
            MeasuredRun(op, points);
            if (op.output) std::remove(op.output(points).c_str());
            return 0;
        }
        std::fprintf(stderr, "vdxml_bench_once: no operation %s\n", argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vdxml_bench_once: %s\n", e.what());
    }
    return 1;
}

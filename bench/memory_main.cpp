// Peak resident memory of every operation above the process baseline, one child process per
// measurement. Prints one tab-separated line per operation and size:
//   <operation> <points> <baseline KiB> <peak KiB> <above baseline KiB>
// Usage: vdxml_bench_memory [comma-separated point counts] [operation name filter]
#include <cstdio>
#include <exception>
#include <string>

#include "operations.h"
#include "peak_memory.h"

using namespace vdxml_bench;

int main(int argc, char** argv) {
    try {
        const std::vector<long long> sizes = ParseSizes(argc > 1 ? argv[1] : "10000,100000");
        const std::string filter = argc > 2 ? argv[2] : "";
        // Libraries initialised and first-use allocations made before the baseline is taken.
        constexpr long long kWarmUp = 10;
        Prepare(kWarmUp);
        for (const Operation& op : Operations()) op.run(kWarmUp);
        for (long long points : sizes) {
            Prepare(points);
            for (const Operation& op : Operations()) {
                if (op.name.find(filter) == std::string::npos) continue;
                const PeakMemory m = MeasureInChild([&] { op.run(points); });
                std::printf("%s\t%lld\t%ld\t%ld\t%ld\n", op.name.c_str(), points, m.baselineKib,
                            m.peakKib, m.AboveBaselineKib());
                std::fflush(stdout);
                if (op.output) std::remove(op.output(points).c_str());
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vdxml_bench_memory: %s\n", e.what());
        return 1;
    }
    return 0;
}

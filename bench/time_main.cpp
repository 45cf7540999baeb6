// Wall-clock and CPU time of every operation at every survey size, with Google Benchmark.
// The sizes come from $VDXML_BENCH_POINTS (comma-separated, default "10000,100000"); all
// other options are Google Benchmark's own (--benchmark_repetitions, --benchmark_out, ...).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "bench_files.h"
#include "operations.h"

using namespace vdxml_bench;

namespace {

void RunOperation(benchmark::State& state, const Operation* op, long long points) {
    const std::string output = op->output ? op->output(points) : std::string();
    try {
        for (auto _ : state) {
            if (!output.empty()) {
                state.PauseTiming();
                RemoveFile(output);  // no run pays for truncating the previous one's file
                state.ResumeTiming();
            }
            op->run(points);
        }
        state.counters["points"] = static_cast<double>(points);
        if (!output.empty()) {
            state.counters["bytes"] = static_cast<double>(FileSize(output));
            RemoveFile(output);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

double Smallest(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    try {
        const char* chosen = std::getenv("VDXML_BENCH_POINTS");
        const std::vector<long long> sizes =
            ParseSizes(chosen && *chosen ? chosen : "10000,100000");
        for (long long points : sizes) {
            Prepare(points);
            for (const Operation& op : Operations()) {
                const std::string name = op.name + "/" + std::to_string(points);
                benchmark::RegisterBenchmark(name.c_str(), RunOperation, &op, points)
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime()
                    ->ComputeStatistics("min", Smallest);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vdxml_bench_time: %s\n", e.what());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

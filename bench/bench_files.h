// Where the benchmarks put their files, and the input every reading benchmark parses.
#pragma once

#include <cstdint>
#include <string>

namespace vdxml_bench {

/// $VDXML_BENCH_DIR, or "bench-files" in the working directory; created when missing.
const std::string& BenchDirectory();
/// <directory>/<tag>-<points>.xml
std::string OutputPath(const std::string& tag, long long points);
/// The survey of points points as the library's streaming back end writes it; written the
/// first time it is asked for in a process, reused afterwards.
const std::string& InputFile(long long points);
/// Size of a file in bytes; raises std::runtime_error when it cannot be read.
std::uint64_t FileSize(const std::string& path);
/// Removes a file if it is there.
void RemoveFile(const std::string& path);

}  // namespace vdxml_bench

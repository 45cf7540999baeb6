// The measured operations, shared by the timing and the memory programs. Each one works on a
// survey of a given number of points; its files come from bench_files.h.
#pragma once

#include <string>
#include <vector>

namespace vdxml_bench {

struct Operation {
    /// "<what>/<by whom>", e.g. "stream_write/library" or "read/libxml2".
    std::string name;
    /// The measured work; raises std::runtime_error on failure.
    void (*run)(long long points);
    /// The file the operation writes (removed before and after each measured run), or empty
    /// for a reading operation.
    std::string (*output)(long long points);
};

/// Every operation, library ones next to the plain libxml2 ones they are compared with.
const std::vector<Operation>& Operations();

/// Untimed preparation for a survey size: the input file of the readers and the floor's
/// block. Raises std::runtime_error on failure.
void Prepare(long long points);

/// The point counts of a comma-separated list ("10000,100000"); raises std::invalid_argument
/// for anything else.
std::vector<long long> ParseSizes(const std::string& list);

}  // namespace vdxml_bench

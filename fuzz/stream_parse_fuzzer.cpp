// The streaming parse against Parse on arbitrary bytes: the same notifications with the same
// records, or the out-of-order status after a prefix of them, or a failure where Parse fails.
#include <cstdint>
#include <cstdio>

#include "fuzz_support.h"
#include "stream_diff.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = vdxml_fuzz::ScratchFile("stream.xml");
    if (!vdxml_fuzz::WriteFile(path, data, size)) return 0;
    const vdxml_fuzz::StreamComparison c = vdxml_fuzz::CompareReadings(path);
    if (!c.difference.empty()) std::fprintf(stderr, "%s\n", c.difference.c_str());
    VDXML_FUZZ_CHECK(c.difference.empty());
    return 0;
}

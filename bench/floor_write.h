// The floor of every write: the same number of bytes written from memory with one loop of
// write calls, nothing formatted or encoded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vdxml_bench {

/// Writes total bytes to path through write(2), handing over block again and again (the last
/// time only as much as is still missing). Raises std::runtime_error on failure.
void WriteFromMemory(const std::string& path, const std::vector<char>& block, std::uint64_t total);

/// The first bytes (up to 64 KiB) of a file: the block the floor writes.
std::vector<char> FloorBlock(const std::string& path);

}  // namespace vdxml_bench

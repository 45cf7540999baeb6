// Reading a hostile file through both readers, the event parser and the record tree, within a
// time and memory budget, and what they made of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vdxml/platform/status.h"

namespace vdxml_test {

struct HostileRead {
    long parsed = 0;                      ///< CVdXmlParser::Parse
    long loaded = 0;                      ///< CVdXmlTree::Load
    std::size_t notifications = 0;        ///< notifications the parse sent
    std::vector<std::int32_t> treeTypes;  ///< the loaded tree's records, pre-order
    std::wstring company;                 ///< the company name of the tree's root record
};

/// Reads path with a parser and with a record tree; fails the calling test when either read
/// goes over seconds or raises the peak memory by more than megabytes.
HostileRead ReadWithinBudget(const std::string& path, int seconds = 10, long megabytes = 256);

/// Writes bytes to path, replacing it; fails the calling test when that fails.
void WriteBytes(const std::string& path, const std::string& bytes);

/// A refusal by both readers, as every malformed file gets: E_FAIL and nothing reported.
void ExpectRefused(const HostileRead& read);

}  // namespace vdxml_test

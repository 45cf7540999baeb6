// Reading with libxml2 alone: parse a file into a tree, or stream it, and visit every element
// and text.
#pragma once

#include <cstddef>
#include <string>

namespace vdxml_bench {

struct WalkCounts {
    std::size_t elements = 0;
    std::size_t texts = 0;
    std::size_t textBytes = 0;  ///< UTF-8 bytes of all texts
};

/// Parses path (no network access, as the library parses) and walks the whole tree; frees it.
/// Raises std::runtime_error for a file that does not parse.
WalkCounts ReadWithLibxml(const std::string& path);

/// Reads path with libxml2's streaming reader (xmlTextReader, no network access), visiting
/// every element and text without building the tree. Raises std::runtime_error for a file
/// that does not parse.
WalkCounts StreamWithLibxml(const std::string& path);

}  // namespace vdxml_bench

// Compares two XML files as libxml2 parses them: the same elements with the same namespaces,
// attributes, namespace declarations and texts, in the same order.
#pragma once

#include <string>

namespace vdxml_bench {

/// Empty when the trees are the same; otherwise where they first differ.
std::string CompareXmlFiles(const std::string& a, const std::string& b);

/// The text of the first element of the given local name in a file, or empty.
std::string FirstElementText(const std::string& path, const std::string& name);

}  // namespace vdxml_bench

// Reading through the library: the record tree, the event parser with a callback that does
// nothing, and the validator.
#pragma once

#include <string>

namespace vdxml_bench {

/// CVdXmlTree::Load of path, then the tree's destruction. Raises std::runtime_error when the
/// load fails.
void LoadRecordTree(const std::string& path);

/// Loads path into a record tree and counts its records by replaying it.
long long CountTreeRecords(const std::string& path);

/// CVdXmlParser::Parse of path with a callback whose notifications do nothing; returns the
/// number of open notifications. Raises std::runtime_error when the parse fails.
long long ParseWithEmptyCallback(const std::string& path);

/// The same through CVdXmlParser::ParseStream.
long long ParseStreamWithEmptyCallback(const std::string& path);

/// CVdXmlValidator::Validate of path; returns the number of elements read. Raises
/// std::runtime_error when the file is not valid.
long long ValidateWithLibrary(const std::string& path);

}  // namespace vdxml_bench

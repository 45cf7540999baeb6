// The benchmark survey written with libxml2's own streaming writer (xmlTextWriter over an
// output buffer with the UTF-16 encoder): the same bytes the library's streaming back end
// writes, without the library.
#pragma once

#include <string>

namespace vdxml_bench {

/// Raises std::runtime_error when libxml2 reports a failure.
void WriteSurveyWithTextWriter(const std::string& path, long long points,
                               const std::string& fileCreated);

}  // namespace vdxml_bench

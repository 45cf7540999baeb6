// The benchmark survey built directly as a libxml2 tree (xmlNewDocNode, xmlNewTextChild,
// ...) and saved as UTF-16 with xmlSaveFormatFileEnc: the DOM back end's work without the
// library.
#pragma once

#include <string>

namespace vdxml_bench {

/// Raises std::runtime_error when libxml2 reports a failure.
void WriteSurveyWithTreeBuilder(const std::string& path, long long points,
                                const std::string& fileCreated);

}  // namespace vdxml_bench

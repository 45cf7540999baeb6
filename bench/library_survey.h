// The benchmark survey written through the library, with either back end.
#pragma once

#include <string>

#include "vdxml/backend.h"

namespace vdxml_bench {

/// Writes points points to path as a caller would: the document, the project, then for every
/// point its "Pnt" and its "Crd" record. Raises std::runtime_error when a call fails.
void WriteSurveyWithLibrary(const std::string& path, IVdXmlDoc::enmDocType backEnd,
                            long long points);

}  // namespace vdxml_bench

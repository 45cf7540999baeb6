// The validator's findings as text, one "LINE: message" line each, for comparisons and golden
// files.
#pragma once

#include <string>
#include <vector>

#include "vdxml/validator.h"

namespace vdxml_test {

std::string FindingsText(const std::vector<VDXML_FINDING>& findings);
/// The validator on the file at path: empty when valid, else the status and the findings.
std::string SurveyFindings(const std::string& path);

}  // namespace vdxml_test

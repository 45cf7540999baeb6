#include "support/findings.h"

namespace vdxml_test {

std::string FindingsText(const std::vector<VDXML_FINDING>& findings) {
    std::string text;
    for (const VDXML_FINDING& f : findings)
        text += std::to_string(f.line) + ": " + f.message.utf8() + "\n";
    return text;
}

std::string SurveyFindings(const std::string& path) {
    CVdXmlValidator validator;
    std::vector<VDXML_FINDING> findings;
    const long hr = validator.Validate(path.c_str(), findings);
    return hr == S_OK ? FindingsText(findings)
                      : "status " + std::to_string(hr) + "\n" + FindingsText(findings);
}

}  // namespace vdxml_test

// The data of an XML declaration as a processing instruction gives it:
// " version='1.0' encoding='utf-16'".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vdxml_engine {

struct XmlDeclaration {
    std::string version;   ///< always present
    std::string encoding;  ///< empty when not declared
    int standalone = -1;   ///< -1 not declared, 0 "no", 1 "yes"
};

/// Reads the pseudo-attributes version (required), encoding and standalone, in that order,
/// each quoted with ' or ", separated by white space. Nothing when the data is not a valid
/// declaration.
std::optional<XmlDeclaration> ParseXmlDeclaration(std::wstring_view data);

}  // namespace vdxml_engine

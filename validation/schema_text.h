// The text of the format's schema, schema/vdxml.xsd, compiled into the library at build time so
// that it is there for every program that links the library, installed or not.
#pragma once

#include <string_view>

namespace vdxml_validation {

/// The schema's text, UTF-8, as the file holds it.
std::string_view SchemaText();

}  // namespace vdxml_validation

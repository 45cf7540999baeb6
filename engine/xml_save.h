// Writing a libxml2 document to a file in its declared encoding.
#pragma once

#include <libxml/tree.h>

#include <string>

namespace vdxml_engine {

/// Writes doc to the file at path (UTF-8), replacing it. With declared, the XML declaration is
/// written and the document's declared encoding used ("utf-16": little-endian after a
/// byte-order mark); without, UTF-8 and no declaration. Escaping and spacing are libxml2's,
/// without indentation. Raises _com_error: the Win32 error of a failing open or write, or
/// E_INVALIDARG for an encoding that libxml2 cannot write.
void SaveTree(xmlDocPtr doc, bool declared, const std::string& path);

}  // namespace vdxml_engine

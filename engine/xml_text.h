// Conversions between the interface's wide strings and libxml2's UTF-8 xmlChar strings.
#pragma once

#include <libxml/xmlstring.h>

#include <string>
#include <string_view>

#include "vdxml/platform/bstr.h"

namespace VdXmlEngine {

inline const xmlChar* AsXml(const std::string& utf8) {
    return reinterpret_cast<const xmlChar*>(utf8.c_str());
}

inline const char* AsChars(const xmlChar* text) { return reinterpret_cast<const char*>(text); }

/// Replaces out with text as UTF-8; out keeps its capacity, so a reused buffer stops allocating.
inline void ToUtf8(std::string& out, std::wstring_view text) {
    out.clear();
    AppendWideAsUtf8(out, text);
}

/// A libxml2 string as a wide string; null gives the empty string.
inline _bstr_t FromXml(const xmlChar* text) { return text ? _bstr_t(AsChars(text)) : _bstr_t(); }

inline _bstr_t FromUtf8(std::string_view utf8) { return _bstr_t(Utf8ToWide(utf8)); }

}  // namespace VdXmlEngine

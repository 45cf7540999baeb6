// Conversions between the interface's wide strings and libxml2's UTF-8 xmlChar strings.
#pragma once

#include <libxml/tree.h>
#include <libxml/xmlstring.h>

#include <string>
#include <string_view>

#include "vdxml/platform/bstr.h"

namespace vdxml_engine {

inline const xmlChar* AsXml(const std::string& utf8) {
    return reinterpret_cast<const xmlChar*>(utf8.c_str());
}

inline const char* AsChars(const xmlChar* text) { return reinterpret_cast<const char*>(text); }

/// Whether utf8 is a qualified name (prefix:local or local). libxml2's checks stop at the first
/// NUL, which no name may hold: a name with one is refused here whatever precedes it.
inline bool IsValidQName(const std::string& utf8) {
    return !utf8.empty() && utf8.find('\0') == std::string::npos &&
           xmlValidateQName(AsXml(utf8), 0) == 0;
}

/// Whether utf8 is an XML name (colons allowed anywhere), with the same care for NUL.
inline bool IsValidName(const std::string& utf8) {
    return !utf8.empty() && utf8.find('\0') == std::string::npos &&
           xmlValidateName(AsXml(utf8), 0) == 0;
}

/// Replaces out with text as UTF-8; out keeps its capacity, so a reused buffer stops allocating.
inline void ToUtf8(std::string& out, std::wstring_view text) {
    out.clear();
    AppendWideAsUtf8(out, text);
}

/// A libxml2 string as a wide string; null gives the empty string.
inline _bstr_t FromXml(const xmlChar* text) { return text ? _bstr_t(AsChars(text)) : _bstr_t(); }

inline _bstr_t FromUtf8(std::string_view utf8) { return _bstr_t(Utf8ToWide(utf8)); }

}  // namespace vdxml_engine

// The code page of a document: the character set through which every text passes on its way
// into the file (VDXML_ROOT::CodePage), and the names by which a user chooses one.
#pragma once

#include <cstdint>

#include "vdxml/export.h"

/// A code page by its Windows number. A text written through a single-byte page keeps the
/// characters of that page and loses every other one to "?"; UTF-8 keeps every character.
/// In any page, control characters and the soft hyphen become blanks. The file itself is
/// UTF-16 whatever the page, so reading needs no code page.
enum VDXML_CODEPAGE : std::uint32_t {
    VDXML_CODEPAGE_1250 = 1250,   ///< Windows-1250, Central European (Czech, Polish, ...)
    VDXML_CODEPAGE_1251 = 1251,   ///< Windows-1251, Cyrillic
    VDXML_CODEPAGE_1252 = 1252,   ///< Windows-1252, Western European: the default
    VDXML_CODEPAGE_1253 = 1253,   ///< Windows-1253, Greek
    VDXML_CODEPAGE_1254 = 1254,   ///< Windows-1254, Turkish
    VDXML_CODEPAGE_1255 = 1255,   ///< Windows-1255, Hebrew
    VDXML_CODEPAGE_1256 = 1256,   ///< Windows-1256, Arabic
    VDXML_CODEPAGE_1257 = 1257,   ///< Windows-1257, Baltic
    VDXML_CODEPAGE_UTF8 = 65001,  ///< UTF-8: every character is kept
};

namespace VdXml {
/// The code page a user names, case aside: "1250" to "1257", "windows-1250", "cp1250", ...,
/// "utf-8", "utf8", "65001".
/// @return true and page set; false, page unchanged, for any other name (null included)
VDXML_API bool CodePageFromName(const char* name, VDXML_CODEPAGE& page);
}  // namespace VdXml

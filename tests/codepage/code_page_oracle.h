// The code pages under test and what the C library's converter (iconv) says each holds: the
// oracle against which the tests of this folder check the texts a document writes.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>

#include "vdxml/code_page.h"

namespace vdxml_test {

/// A code page of the library with iconv's name for it.
struct CodePageCase {
    VDXML_CODEPAGE page;
    const char* iconvName;
};

/// Every code page the library offers.
extern const CodePageCase kCodePageCases[9];

/// One code page as iconv converts it, both ways.
class IconvPage {
  public:
    explicit IconvPage(const char* name);
    ~IconvPage();
    IconvPage(const IconvPage&) = delete;
    IconvPage& operator=(const IconvPage&) = delete;

    /// The character's bytes in the page; nothing when iconv refuses it.
    std::optional<std::string> Encode(wchar_t c);
    /// The one character bytes stand for; nothing when iconv refuses them.
    std::optional<wchar_t> Decode(const std::string& bytes);
    /// What c becomes in a text written through the page: itself when iconv takes it into the
    /// page and back unchanged (a single-byte page also holds the C1 control of each byte iconv
    /// leaves unassigned; UTF-8 lacks U+FFFE and U+FFFF, which XML does not allow, and what lies
    /// beyond U+10FFFF, which UTF-16 cannot carry), a blank
    /// when the page holds it and it is a control character or the soft hyphen, else '?'.
    wchar_t Expected(wchar_t c);

  private:
    bool m_utf8;
    iconv_t m_to, m_from;
};

}  // namespace vdxml_test

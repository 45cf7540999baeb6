#include "code_page_oracle.h"

#include <cstring>

namespace vdxml_test {
namespace {
std::optional<std::string> Convert(iconv_t cd, std::string in) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh start, no state kept
    std::string out(in.size() * 4 + 8, '\0');
    char *inAt = in.data(), *outAt = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    // The second call hands out a character held back for a combining mark (CP1255 does).
    if (iconv(cd, &inAt, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1) ||
        iconv(cd, nullptr, nullptr, &outAt, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    return out.substr(0, out.size() - outLeft);
}
}  // namespace

const CodePageCase kCodePageCases[9] = {
    {VDXML_CODEPAGE_1250, "CP1250"}, {VDXML_CODEPAGE_1251, "CP1251"},
    {VDXML_CODEPAGE_1252, "CP1252"}, {VDXML_CODEPAGE_1253, "CP1253"},
    {VDXML_CODEPAGE_1254, "CP1254"}, {VDXML_CODEPAGE_1255, "CP1255"},
    {VDXML_CODEPAGE_1256, "CP1256"}, {VDXML_CODEPAGE_1257, "CP1257"},
    {VDXML_CODEPAGE_UTF8, "UTF-8"}};

IconvPage::IconvPage(const char* name)
    : m_utf8(std::strcmp(name, "UTF-8") == 0),
      m_to(iconv_open(name, "WCHAR_T")),
      m_from(iconv_open("WCHAR_T", name)) {}

IconvPage::~IconvPage() {
    iconv_close(m_to);
    iconv_close(m_from);
}

std::optional<std::string> IconvPage::Encode(wchar_t c) {
    return Convert(m_to, std::string(reinterpret_cast<const char*>(&c), sizeof c));
}

std::optional<wchar_t> IconvPage::Decode(const std::string& bytes) {
    const auto wide = Convert(m_from, bytes);
    if (!wide || wide->size() != sizeof(wchar_t)) return std::nullopt;
    wchar_t c;
    std::memcpy(&c, wide->data(), sizeof c);
    return c;
}

wchar_t IconvPage::Expected(wchar_t c) {
    const auto bytes = Encode(c);
    // A single-byte page holds what is one byte in it (not what iconv decomposes into two).
    bool held = bytes && (m_utf8 || bytes->size() == 1) && Decode(*bytes) == c;
    if (!m_utf8 && c >= 0x80 && c <= 0x9F && !Decode(std::string(1, static_cast<char>(c))))
        held = true;  // the stand-in of an unassigned byte
    if (m_utf8 && (c == 0xFFFE || c == 0xFFFF || c > 0x10FFFF)) held = false;
    if (!held) return L'?';
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD;
    return control ? L' ' : c;
}

}  // namespace vdxml_test

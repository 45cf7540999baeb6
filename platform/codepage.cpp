#include "platform/codepage.h"

#include <algorithm>

#include "platform/codepage_tables.h"

namespace vdxml_platform {
namespace {
const SingleByteCodePage* FindSingleBytePage(std::uint32_t number) {
    for (const SingleByteCodePage& page : kSingleByteCodePages)
        if (page.number == number) return &page;
    return nullptr;
}

const SingleByteCodePage& Windows1252() {
    static const SingleByteCodePage* const page = FindSingleBytePage(1252);
    return *page;
}

bool HoldsCharacter(const SingleByteCodePage& page, std::uint32_t c) {
    return c < 0x80 || (c <= 0xFFFF && std::binary_search(page.sorted.begin(), page.sorted.end(),
                                                          static_cast<std::uint16_t>(c)));
}

// A character XML allows in a text (C0 controls aside, which become blanks anyway): no
// surrogate halves, no U+FFFE or U+FFFF, nothing beyond U+10FFFF.
bool IsXmlCharacter(std::uint32_t c) {
    return c < 0xD800 || (c > 0xDFFF && c < 0xFFFE) || (c > 0xFFFF && c <= 0x10FFFF);
}

// Characters that would disturb a line of text: C0 and C1 controls, DEL, the soft hyphen.
bool BecomesBlank(std::uint32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD; }

template <typename Holds>
void PassThrough(std::wstring& text, Holds holds) {
    for (wchar_t& ch : text) {
        const auto c = static_cast<std::uint32_t>(ch);
        if (!holds(c))
            ch = L'?';
        else if (BecomesBlank(c))
            ch = L' ';
    }
}
}  // namespace

bool IsKnownCodePage(std::uint32_t codePage) {
    return codePage == kUtf8CodePage || FindSingleBytePage(codePage) != nullptr;
}

bool PassThroughCodePage(std::uint32_t codePage, std::wstring& text) {
    if (codePage == kUtf8CodePage) {
        PassThrough(text, IsXmlCharacter);
        return true;
    }
    const SingleByteCodePage* page = FindSingleBytePage(codePage);
    if (!page) return false;
    PassThrough(text, [page](std::uint32_t c) { return HoldsCharacter(*page, c); });
    return true;
}

std::string WideToAnsi(std::wstring_view text) {
    const auto& upper = Windows1252().upper;
    std::string out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        const auto c = static_cast<std::uint32_t>(ch);
        const auto at = std::find(upper.begin(), upper.end(), c);
        out.push_back(c < 0x80            ? static_cast<char>(c)
                      : at != upper.end() ? static_cast<char>(0x80 + (at - upper.begin()))
                                          : '?');
    }
    return out;
}

std::wstring AnsiToWide(std::string_view bytes) {
    const auto& upper = Windows1252().upper;
    std::wstring out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        out.push_back(static_cast<wchar_t>(u < 0x80 ? u : upper[u - 0x80]));
    }
    return out;
}

}  // namespace vdxml_platform

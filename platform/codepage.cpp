#include "platform/codepage.h"

#include <array>
#include <cstdint>

namespace vdxml_platform {
namespace {
// Windows-1252 bytes 0x80-0x9F; the five bytes it leaves unassigned map to the C1 control
// characters of the same value, so that every byte has a character and the round trip holds.
constexpr std::array<std::uint16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToAnsi(wchar_t c) {
    const auto cp = static_cast<std::uint32_t>(c);
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}
}  // namespace

std::string WideToAnsi(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) out.push_back(ToAnsi(c));
    return out;
}

std::wstring AnsiToWide(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        out.push_back(u >= 0x80 && u < 0xA0 ? static_cast<wchar_t>(kHigh[u - 0x80])
                                            : static_cast<wchar_t>(u));
    }
    return out;
}

}  // namespace vdxml_platform

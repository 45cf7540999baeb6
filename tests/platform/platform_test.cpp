// The platform's texts against the C library's own converter (iconv): _bstr_t's UTF-8 and its
// order by UTF-16 code units (the code pages texts pass into a file: tests/codepage); variants'
// whole parts and string forms, error messages.
#include <gtest/gtest.h>
#include <iconv.h>

#include <climits>
#include <cmath>
#include <optional>
#include <random>

#include "vdxml/vdxml.h"

namespace {

// Wide text converted by iconv; nothing when it refuses.
std::optional<std::string> Iconv(const char* to, const std::wstring& text) {
    std::string in(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    std::string out(in.size() * 4 + 8, '\0');
    char *inAt = in.data(), *outAt = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const iconv_t cd = iconv_open(to, "WCHAR_T");
    const bool done = iconv(cd, &inAt, &inLeft, &outAt, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return done ? std::optional(out.substr(0, out.size() - outLeft)) : std::nullopt;
}

TEST(Bstr, Utf8AndTheOrderOfUtf16CodeUnitsAgreeWithIconv) {
    // Characters around the surrogates, and pairs that share a lead unit or not.
    const wchar_t alphabet[] = {L'\0',   L'A',    L'a',    0xE9,    0x7FF,   0x800,
                                0xD7FF,  0xE000,  0xFF21,  0xFFFF,  0x10000, 0x10001,
                                0x103FF, 0x10400, 0x1D11E, 0x1D11F, 0x10FFFF};
    std::mt19937 random(3);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 1), length(0, 300);
    auto text = [&](std::size_t n) {
        std::wstring t(length(random) % 3 ? 0 : length(random), L'x');  // long ASCII runs too
        while (n-- > 0) t.push_back(alphabet[pick(random)]);
        return t;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::wstring x = text(length(random) % 5), y = text(length(random) % 5);
        // Big-endian UTF-16 bytes sort as the code units do; a prefix sorts first.
        const auto ux = Iconv("UTF-16BE", x), uy = Iconv("UTF-16BE", y);
        const int order = _bstr_t::Compare(x, y);
        ASSERT_EQ(_bstr_t(x) < _bstr_t(y), ux < uy) << i;
        ASSERT_EQ((order > 0) - (order < 0), (ux > uy) - (ux < uy)) << i;
        ASSERT_EQ(_bstr_t(x) == _bstr_t(y), x == y) << i;
        const std::string utf8 = Iconv("UTF-8", x).value();
        ASSERT_EQ(_bstr_t(x).utf8(), utf8) << i;
        ASSERT_EQ(_bstr_t(utf8).wstr(), x) << i;
    }
    // Each byte that is no UTF-8 (cut short, overlong, a surrogate) becomes a replacement.
    EXPECT_EQ(Utf8ToWide("ab\xFF\xC0\xAF\xED\xA0\x80\xE2\x82"), L"ab" + std::wstring(8, L'\uFFFD'));
    _bstr_t shared(L"Pnt"), copy(shared), empty;  // copies share one text until appended to
    EXPECT_EQ((copy += L"X") + empty + shared, L"PntXPnt");
}

// Whole parts of doubles and dates saturate at the range of long, NaN and infinities give 0;
// each kind but an interface has a string form (a time of day that rounds to midnight carries
// into the next day).
TEST(Variant, WholePartsSaturateAndEveryValueKindHasAStringForm) {
    const double top = 0x1p63, below = std::nextafter(top, 0.0), above = std::nextafter(top, 1e300);
    const double values[] = {-2.75, below, top, -top, -above, NAN, -HUGE_VAL};
    const long wholes[] = {-2, static_cast<long>(below), LONG_MAX, LONG_MIN, LONG_MIN, 0, 0};
    for (std::size_t i = 0; i < std::size(values); ++i)  // as doubles and as dates
        EXPECT_EQ(_variant_t(values[i], i % 2 ? VT_DATE : VT_R8).AsLong(), wholes[i]) << values[i];
    const _variant_t midnight(38835.0 + (86400.0 - 1e-5) / 86400.0, VT_DATE);
    std::wstring texts;
    for (const _variant_t& value :
         {_variant_t(42), _variant_t(-7L), _variant_t(false), _variant_t(), midnight})
        texts += value.ToString().wstr() + L"|";
    EXPECT_EQ(texts, L"42|-7|false||29.4.2006 0:00:00|");
    EXPECT_THROW(_variant_t(static_cast<IUnknown*>(nullptr)).ToString(), _com_error);
}

// A known status without a description has its text as the message, also in UTF-8. (The
// system's error numbers as Win32 codes show in the file stream's statuses, tests/stream.)
TEST(Errors, MessagesOfKnownStatuses) {
    const _com_error error(E_OUTOFMEMORY);
    EXPECT_TRUE(std::wstring(error.ErrorMessage()) == L"Out of memory" &&
                std::string(error.what()) == "Out of memory");
}

}  // namespace

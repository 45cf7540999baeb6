// The ordering of _bstr_t keys must agree with Compare, the UTF-16 code-unit order, for every
// text, including characters around and beyond the surrogate range.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "vdxml/platform/bstr.h"

namespace {
std::wstring RandomText(std::mt19937& random) {
    static const wchar_t kAlphabet[] = {L'\0',  L'A',   L'a',    L'z',    L'\u00E9',
                                        0xD7FF, 0xD800, 0xDBFF,  0xDC00,  0xE000,
                                        0xFF21, 0xFFFF, 0x10000, 0x1D11E, 0x10FFFF};
    std::uniform_int_distribution<int> length(0, 4);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kAlphabet) - 1);
    std::wstring text;
    for (int n = length(random); n > 0; --n) text.push_back(kAlphabet[pick(random)]);
    return text;
}
}  // namespace

TEST(BstrOrder, LessAgreesWithCompare) {
    std::mt19937 random(3);
    for (int i = 0; i < 200000; ++i) {
        const std::wstring x = RandomText(random), y = RandomText(random);
        const _bstr_t a(x), b(y);
        ASSERT_EQ(a < b, _bstr_t::Compare(x, y) < 0) << i;
        ASSERT_EQ(a == b, _bstr_t::Compare(x, y) == 0) << i;
    }
}

TEST(BstrOrder, TextsKeepLengthAndTerminator) {
    const _bstr_t text(std::wstring(L"a\0b", 3));
    EXPECT_EQ(text.length(), 3u);
    EXPECT_EQ(text.c_str()[3], L'\0');
    _bstr_t joined(L"Crd");
    joined += _bstr_t(L"3");
    EXPECT_EQ(joined, L"Crd3");
    EXPECT_EQ(joined.c_str()[4], L'\0');
    EXPECT_EQ(_bstr_t("plain ascii").length(), 11u);
    EXPECT_EQ(_bstr_t("caf\xC3\xA9").view(), L"caf\u00E9");
}

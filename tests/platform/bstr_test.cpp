#include <gtest/gtest.h>

#include <map>
#include <thread>
#include <vector>

#include "vdxml/platform/bstr.h"

TEST(BstrTest, NullAndEmptyAreEqualAndNeverNull) {
    _bstr_t null;
    _bstr_t empty(L"");
    EXPECT_EQ(null, empty);
    EXPECT_EQ(null.length(), 0u);
    ASSERT_NE(static_cast<const wchar_t*>(null), nullptr);
    EXPECT_EQ(std::wstring(null.c_str()), L"");
}

TEST(BstrTest, CopiesShareStorage) {
    _bstr_t a(L"Pnt");
    _bstr_t b(a);
    EXPECT_EQ(a.c_str(), b.c_str());
    b += L"X";
    EXPECT_EQ(a, L"Pnt");
    EXPECT_EQ(b, L"PntX");
}

TEST(BstrTest, Utf8RoundTripKeepsNonAsciiText) {
    _bstr_t degree("360\xC2\xB0 prism");
    EXPECT_EQ(degree.length(), 10u);
    EXPECT_EQ(degree.c_str()[3], L'\u00B0');
    EXPECT_EQ(degree.utf8(), "360\xC2\xB0 prism");
    _bstr_t astral(L"\U0001D11E");
    EXPECT_EQ(astral.utf8(), "\xF0\x9D\x84\x9E");
    EXPECT_EQ(_bstr_t(astral.utf8()), astral);
}

TEST(BstrTest, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToWide("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(Utf8ToWide("\xE2\x82"), L"\uFFFD\uFFFD");  // cut short
    EXPECT_EQ(Utf8ToWide("\xC0\xAF"), L"\uFFFD\uFFFD");  // overlong
}

TEST(BstrTest, ConcatenationWithEmptySides) {
    EXPECT_EQ(_bstr_t(L"ab") + _bstr_t(), L"ab");
    EXPECT_EQ(_bstr_t() + _bstr_t(L"cd"), L"cd");
    EXPECT_EQ(_bstr_t(L"Name") + _bstr_t(L"2"), L"Name2");
}

TEST(BstrTest, OrderingFollowsUtf16CodeUnits) {
    // U+FF21 is above the surrogate range, U+1D11E is encoded with a D834 lead unit:
    // in UTF-16 order the astral character sorts first, unlike code-point order.
    EXPECT_LT(_bstr_t(L"\U0001D11E"), _bstr_t(L"\uFF21"));
    EXPECT_LT(_bstr_t(L"Name"), _bstr_t(L"Name2"));  // prefix sorts first
    EXPECT_LT(_bstr_t(L"Name2"), _bstr_t(L"name2"));  // case-sensitive
    EXPECT_FALSE(_bstr_t(L"a") < _bstr_t(L"a"));
    std::map<_bstr_t, int> keys{{L"Major3", 1}, {L"Lat2", 2}, {L"Lat10", 3}};
    EXPECT_EQ(keys.begin()->first, L"Lat10");
}

TEST(BstrTest, SharedConstantsSurviveConcurrentCopies) {
    const _bstr_t shared(L"Crd");
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&shared] {
            for (int i = 0; i < 20000; ++i) {
                _bstr_t copy(shared);
                _bstr_t other = copy;
                (void)other.length();
            }
        });
    for (auto& th : threads) th.join();
    EXPECT_EQ(shared, L"Crd");
}

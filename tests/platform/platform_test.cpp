#include "vdxml/platform/platform.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

TEST(StatusTest, FailuresAreNegativeSignExtendedHresults) {
    EXPECT_LT(E_FAIL, 0);
    EXPECT_EQ(static_cast<unsigned long>(E_FAIL) & 0xFFFFFFFFul, 0x80004005ul);
    EXPECT_EQ(E_FAIL, -2147467259L);
    EXPECT_EQ(E_INVALIDARG, -2147024809L);
    EXPECT_EQ(E_UNEXPECTED, -2147418113L);
    EXPECT_TRUE(SUCCEEDED(S_FALSE));
    EXPECT_TRUE(FAILED(E_OUTOFMEMORY));
    EXPECT_EQ(HRESULT_FROM_WIN32(5), -2147024891L);  // 0x80070005
    EXPECT_EQ(HRESULT_FROM_WIN32(0), 0);
}

TEST(CodePageTest, Windows1252BothWays) {
    const std::wstring text = L"A\u20AC\u00E9\u2122";
    const std::string bytes = VdXmlPlatform::WideToAnsi(text);
    EXPECT_EQ(bytes, "A\x80\xE9\x99");
    EXPECT_EQ(VdXmlPlatform::AnsiToWide(bytes), text);
}

TEST(CodePageTest, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(VdXmlPlatform::WideToAnsi(L"\u03B1\U0001D11E\u00B0"), "??\xB0");
}

TEST(CodePageTest, UnassignedBytesRoundTrip) {
    const std::string bytes("\x81\x8D\x8F\x90\x9D", 5);
    EXPECT_EQ(VdXmlPlatform::WideToAnsi(VdXmlPlatform::AnsiToWide(bytes)), bytes);
}

TEST(VariantTest, StringForms) {
    EXPECT_EQ(_variant_t(L"text").ToString(), L"text");
    EXPECT_EQ(_variant_t(42).ToString(), L"42");
    EXPECT_EQ(_variant_t(-7L).ToString(), L"-7");
    EXPECT_EQ(_variant_t(true).ToString(), L"true");
    EXPECT_EQ(_variant_t().ToString(), L"");
}

TEST(VariantTest, DoublesOutsideLongSaturate) {
    EXPECT_EQ(_variant_t(-2.75).AsLong(), -2);
    EXPECT_EQ(_variant_t(1e300).AsLong(), std::numeric_limits<long>::max());
    EXPECT_EQ(_variant_t(-1e300).AsLong(), std::numeric_limits<long>::min());
    EXPECT_EQ(_variant_t(-9223372036854775808.0).AsLong(), std::numeric_limits<long>::min());
    EXPECT_EQ(_variant_t(std::nan("")).AsLong(), 0);
    EXPECT_EQ(_variant_t(HUGE_VAL).AsLong(), 0);
}

TEST(VariantTest, DateStringReadsDayMonthYear) {
    // 28 April 2006 is OLE day 38835; 12:05:07.25 is 43507.25 s into the day.
    const double ole = 38835.0 + 43507.25 / 86400.0;
    EXPECT_EQ(_variant_t(ole, VT_DATE).ToString(), L"28.4.2006 12:05:07.25");
    EXPECT_EQ(_variant_t::FormatDate(38835.5), L"28.4.2006 12:00:00");
    EXPECT_EQ(_variant_t::FormatDate(0.0), L"30.12.1899 0:00:00");
    // Before the epoch the time of day is the absolute fraction.
    EXPECT_EQ(_variant_t::FormatDate(-1.25), L"29.12.1899 6:00:00");
    // A fraction that rounds to a whole day carries into the next day, never "60" seconds.
    EXPECT_EQ(_variant_t::FormatDate(38835.0 + (86400.0 - 0.00001) / 86400.0),
              L"29.4.2006 0:00:00");
    EXPECT_THROW(_variant_t::FormatDate(1e300), _com_error);
}

TEST(ComErrorTest, CarriesStatusAndMessage) {
    _com_error e(E_OUTOFMEMORY);
    EXPECT_EQ(e.Error(), E_OUTOFMEMORY);
    EXPECT_STREQ(e.what(), "Out of memory");
    _com_error d(E_FAIL, L"save failed");
    EXPECT_EQ(std::wstring(d.ErrorMessage()), L"save failed");
    EXPECT_EQ(d.Description(), L"save failed");
}

TEST(FilesTest, TempDirectoryFollowsTmpdir) {
    const char* old = std::getenv("TMPDIR");
    std::string saved = old ? old : "";
    setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(VdXmlPlatform::TempDirectory(), "/var/tmp/");
    setenv("TMPDIR", "", 1);
    EXPECT_EQ(VdXmlPlatform::TempDirectory(), "/tmp/");
    if (old)
        setenv("TMPDIR", saved.c_str(), 1);
    else
        unsetenv("TMPDIR");
}

TEST(FilesTest, ErrnoMapsToWin32Codes) {
    EXPECT_EQ(VdXmlPlatform::Win32ErrorFromErrno(ENOENT), 2u);
    EXPECT_EQ(VdXmlPlatform::Win32ErrorFromErrno(ENOTDIR), 3u);
    EXPECT_EQ(VdXmlPlatform::Win32ErrorFromErrno(EACCES), 5u);
    EXPECT_EQ(VdXmlPlatform::Win32ErrorFromErrno(ENOSPC), 112u);
    EXPECT_EQ(VdXmlPlatform::Win32ErrorFromErrno(ETXTBSY), 32u);
}

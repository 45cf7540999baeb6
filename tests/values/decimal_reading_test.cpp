// Doubles read back must be exactly what the C run time's wcstod makes of the same text,
// whichever way the reader converts them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <random>
#include <string>

#include "vdxml/node.h"

using F = VDXML_PARSE_NODEDATA;

namespace {
struct Reader : CVdXmlNodeBase {
    using CVdXmlNodeBase::AssignValue;
};

void ExpectSameAsWcstod(const std::wstring& text) {
    double read = -12345.0;
    ASSERT_EQ(Reader::AssignValue(_bstr_t(text), F::fmtDouble, &read), S_OK);
    const double expected = std::wcstod(text.c_str(), nullptr);
    // Bit for bit, so that the sign of zero counts too.
    ASSERT_EQ(std::memcmp(&read, &expected, sizeof read), 0)
        << "text '" << std::string(text.begin(), text.end()) << "'";
}

std::wstring Widen(const char* text) { return std::wstring(text, text + std::strlen(text)); }
}  // namespace

TEST(DecimalReading, PlainAndUnusualForms) {
    const char* texts[] = {"0",
                           "-0",
                           "-0.000",
                           "12.5",
                           "5.",
                           ".5",
                           "-.5",
                           ".",
                           "-",
                           "",
                           "1.2.3",
                           "--1",
                           "1-2",
                           " 1.5",
                           "+1.5",
                           "1.5 ",
                           "1.5x",
                           "1e3",
                           "0x1p3",
                           "inf",
                           "nan",
                           "00012.500",
                           "4317218.33910",
                           "0.00006400",
                           "-0.00000320",
                           "123456789012345678901234567890.5",
                           "0.000000000000000000000000000000000000000000000000000000000001",
                           "1234567890123456789012345678901234567890123456789012345678901234.5"};
    for (const char* text : texts) ExpectSameAsWcstod(Widen(text));
}

TEST(DecimalReading, RandomFixedTexts) {
    std::mt19937_64 random(99);
    std::uniform_int_distribution<int> decimals(0, 20);
    for (int i = 0; i < 50000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || std::fabs(value) > 1e40) continue;
        char text[128];
        std::snprintf(text, sizeof text, "%.*f", decimals(random), value);
        ExpectSameAsWcstod(Widen(text));
    }
}

TEST(DecimalReading, RandomSurveyTexts) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> coordinate(-7e6, 7e6);
    for (int i = 0; i < 50000; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "%.5f", coordinate(random));
        ExpectSameAsWcstod(Widen(text));
        std::snprintf(text, sizeof text, "%.15f", coordinate(random) * 1e-7);
        ExpectSameAsWcstod(Widen(text));
    }
}

// The fixed-point number text must stay byte for byte what printf's "%.*f" writes.
#include "core/fixed_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Printf(double value, int decimals) {
    static char text[vdxml_core::kFixedTextCapacity];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Fixed(double value, int decimals) {
    char text[vdxml_core::kFixedTextCapacity];
    const std::size_t length = vdxml_core::FormatFixed(text, value, decimals);
    EXPECT_EQ(length, std::strlen(text));
    return text;
}

void ExpectSameAsPrintf(double value, int decimals) {
    ASSERT_EQ(Fixed(value, decimals), Printf(value, decimals))
        << "value " << std::hexfloat << value << " decimals " << decimals;
}

}  // namespace

TEST(FixedText, ExactTiesRoundToEvenAsPrintfDoes) {
    for (int numerator = -64; numerator <= 64; ++numerator)
        for (int shift = 1; shift <= 10; ++shift)
            for (int decimals = 0; decimals <= 6; ++decimals)
                ExpectSameAsPrintf(std::ldexp(numerator, -shift), decimals);
}

TEST(FixedText, EdgeValues) {
    const double values[] = {0.0,
                             -0.0,
                             1.0,
                             -1.0,
                             0.1,
                             1e-5,
                             5e-6,
                             4.9999999999999996e-6,
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::denorm_min(),
                             1e300,
                             std::nextafter(std::numeric_limits<double>::max(), 0.0),
                             -std::nextafter(std::numeric_limits<double>::max(), 0.0),
                             4317218.33910,
                             9007199254740993.0};
    for (double value : values)
        for (int decimals : {0, 1, 5, 8, 15, 17, 30, 340, 1100})
            ExpectSameAsPrintf(value, decimals);
}

TEST(FixedText, RandomValuesOfEveryMagnitude) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> decimals(0, 20);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        ExpectSameAsPrintf(value, decimals(random));
    }
}

TEST(FixedText, RandomSurveyValues) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> coordinate(-7e6, 7e6);
    std::uniform_real_distribution<double> cofactor(0.0, 1e-3);
    for (int i = 0; i < 50000; ++i) {
        ExpectSameAsPrintf(coordinate(random), 5);
        ExpectSameAsPrintf(cofactor(random), 8);
        ExpectSameAsPrintf(coordinate(random) * 1e-7, 15);
    }
}

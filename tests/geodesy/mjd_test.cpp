// Modified Julian Dates: the reference epochs, leap days, unnormalised time parts, agreement
// with an independent civil-day count, and arguments far out of range.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "vdxml/geodesy.h"

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, by era arithmetic (a different
// derivation from the one under test).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long kMjdOf1970 = 40587;

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

TEST(Mjd, ReferenceEpochs) {
    EXPECT_EQ(VdXml::Mjd(2000, 1, 1, 12, 0, 0.0), 51544.5);
    EXPECT_EQ(VdXml::Mjd(1858, 11, 17, 0, 0, 0.0), 0.0);
    EXPECT_EQ(VdXml::Mjd(1970, 1, 1, 0, 0, 0.0), 40587.0);
}

TEST(Mjd, LeapDayAndFollowingDayDifferByOne) {
    const double leapDay = VdXml::Mjd(2000, 2, 29, 0, 0, 0.0);
    const double march1 = VdXml::Mjd(2000, 3, 1, 0, 0, 0.0);
    EXPECT_EQ(leapDay, 51603.0);
    EXPECT_EQ(march1, 51604.0);
    EXPECT_EQ(march1 - leapDay, 1.0);
    // 1900 is no leap year: 28 February is followed by 1 March.
    EXPECT_EQ(VdXml::Mjd(1900, 3, 1, 0, 0, 0.0) - VdXml::Mjd(1900, 2, 28, 0, 0, 0.0), 1.0);
}

TEST(Mjd, TimeOfDayIsAddedAsFraction) {
    EXPECT_EQ(VdXml::Mjd(2000, 1, 1, 6, 0, 0.0), 51544.25);
    EXPECT_EQ(VdXml::Mjd(2000, 1, 1, 0, 720, 0.0), 51544.5);
    EXPECT_NEAR(VdXml::Mjd(2000, 1, 1, 23, 59, 59.5), 51544.0 + 86399.5 / 86400.0, 1e-9);
    EXPECT_NEAR(VdXml::Mjd(2000, 1, 1, 0, 0, 0.001) - 51544.0, 0.001 / 86400.0, 1e-11);
}

TEST(Mjd, TimePartsAreNotNormalised) {
    EXPECT_EQ(VdXml::Mjd(2000, 1, 1, 0, 0, 86400.0), VdXml::Mjd(2000, 1, 2, 0, 0, 0.0));
    EXPECT_EQ(VdXml::Mjd(2000, 1, 1, 48, 0, 0.0), VdXml::Mjd(2000, 1, 3, 0, 0, 0.0));
    EXPECT_EQ(VdXml::Mjd(2000, 1, 2, -24, 0, 0.0), VdXml::Mjd(2000, 1, 1, 0, 0, 0.0));
}

TEST(Mjd, OutOfRangeDaysAndMonthsEnterAsTheyStand) {
    // Day 0 of March is the last day of February; month 13 of 1999 is January 2000.
    EXPECT_EQ(VdXml::Mjd(2000, 3, 0, 0, 0, 0.0), VdXml::Mjd(2000, 2, 29, 0, 0, 0.0));
    EXPECT_EQ(VdXml::Mjd(1999, 13, 1, 0, 0, 0.0), VdXml::Mjd(2000, 1, 1, 0, 0, 0.0));
    EXPECT_EQ(VdXml::Mjd(2000, 1, 32, 0, 0, 0.0), VdXml::Mjd(2000, 2, 1, 0, 0, 0.0));
}

TEST(Mjd, MatchesIndependentDayCountForEveryDayOfYears1To9999) {
    long long mismatches = 0;
    for (int y = 1; y <= 9999; ++y) {
        for (int m = 1; m <= 12; ++m) {
            // January and February of year 1 fall into year 0 of the formula, which still
            // counts forward; from there on every day must match.
            for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                const double expected = static_cast<double>(
                    DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) +
                    kMjdOf1970);
                if (VdXml::Mjd(y, m, d, 0, 0, 0.0) != expected) {
                    if (++mismatches <= 5) {
                        ADD_FAILURE() << y << "-" << m << "-" << d << ": "
                                      << VdXml::Mjd(y, m, d, 0, 0, 0.0) << " != " << expected;
                    }
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Mjd, YearsBeforeZeroTruncateTowardZero) {
    // Year -1: the year term -365.25 truncates to -365 (not -366), the century term to 0.
    EXPECT_EQ(VdXml::Mjd(-1, 3, 1, 0, 0, 0.0), -679246.0);
    // Year -150: the century -1.5 truncates to -1, giving a correction of +3.
    EXPECT_EQ(VdXml::Mjd(-150, 3, 1, 0, 0, 0.0), -733667.0);
}

TEST(Mjd, ExtremeArgumentsGiveAResultWithoutOverflow) {
    // Under the undefined-behaviour sanitizer any integer overflow here aborts the test.
    const double high = VdXml::Mjd(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0.0);
    const double low = VdXml::Mjd(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, 0.0);
    EXPECT_TRUE(std::isfinite(high));
    EXPECT_TRUE(std::isfinite(low));
    EXPECT_GT(high, 0.0);
    EXPECT_LT(low, 0.0);
    EXPECT_TRUE(std::isfinite(VdXml::Mjd(INT_MIN, 1, 1, 0, 0, 0.0)));
    EXPECT_TRUE(std::isnan(VdXml::Mjd(2000, 1, 1, 0, 0, std::nan(""))));
}

}  // namespace

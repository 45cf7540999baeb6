// Modified Julian Dates against a day count of their own, reduction of angles by whole turns,
// and the WGS 84 conversion and cofactor rotation against GeographicLib, an independent geodesy
// library used only by these tests.
#include "vdxml/geodesy.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <random>
#include <vector>

#ifdef VDXML_HAVE_GEOGRAPHICLIB
#include <GeographicLib/Geocentric.hpp>
#endif

namespace {

constexpr double kPi = 3.141592653589793, kTwoPi = 2.0 * kPi, kDegree = kPi / 180.0;
const double kInf = INFINITY;

// The proleptic Gregorian date of a day counted from 1 March of year 0, by era arithmetic.
void CivilFromDays(long long z, long long& y, int& m, int& d) {
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100), mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

TEST(Mjd, CountsEveryDayOfTheYears1To9999WithItsTimeOfDay) {
    // 1 March of year 0 is MJD -678881; 1 January of year 1 comes 306 days later.
    for (long long day = 306; day < 306 + 3652059; ++day) {
        long long y;
        int m, d;
        CivilFromDays(day, y, m, d);
        const int hour = day % 24, minute = day % 60;
        const double second = (day % 600) / 10.0;
        const double expected = (day - 678881) + (hour * 3600 + minute * 60 + second) / 86400.0;
        ASSERT_NEAR(VdXml::Mjd(static_cast<int>(y), m, d, hour, minute, second), expected, 1e-9)
            << y << "-" << m << "-" << d;
    }
    // No int argument overflows (the undefined-behaviour sanitizer would stop the test).
    EXPECT_GT(VdXml::Mjd(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0.0), 0.0);
    EXPECT_LT(VdXml::Mjd(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, 0.0), 0.0);
}

TEST(NormalizeAngle, StaysWithinOneTurnOfTheSameSignByWholeTurns) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> turns(-3000.0, 3000.0);  // both sides of 1024 turns
    for (int i = 0; i < 4000; ++i) {
        const double angle = turns(random) * kTwoPi, reduced = VdXml::NormalizeAngle(angle);
        ASSERT_LE(std::fabs(reduced), kTwoPi) << angle;
        ASSERT_EQ(reduced > 0.0, angle > 0.0) << angle;
        const double whole = (angle - reduced) / kTwoPi;
        ASSERT_NEAR(whole, std::round(whole), 1e-9) << angle;
    }
    // The bounds belong to the range; whole turns stop there, also by remainder.
    const double up = std::nextafter(kTwoPi, kInf), k = 4096 * kTwoPi;
    const double cases[][2] = {{-kTwoPi, -kTwoPi}, {2 * kTwoPi, kTwoPi}, {up, up - kTwoPi},
                               {k, kTwoPi},        {-k, -kTwoPi},        {-kInf, -kInf}};
    for (const auto& c : cases) EXPECT_EQ(VdXml::NormalizeAngle(c[0]), c[1]) << c[0];
}

// Magnitudes agree within (max(|a|, |b|) + eps) * eps, eps = 2^-52: signs do not count, two
// zeros are equal, a NaN or two infinities never are. Each row: a, b, whether equal.
TEST(IsEqual, ComparesMagnitudesWithARelativeTolerance) {
    const double e = std::ldexp(1.0, -52), big = 1e300, up = std::nextafter(big, kInf);
    const double rows[][3] = {
        {-2, 2, 1},        {-0.0, 0, 1},        {-4e-32, 0, 1},
        {0, 5e-32, 0},     {1e-300, 3e-300, 1}, {1, 1 + e, 1},
        {1 + e + e, 1, 0}, {big, -up, 1},       {big, std::nextafter(up, kInf), 0},
        {NAN, NAN, 0},     {1, NAN, 0},         {kInf, -kInf, 0}};
    for (const auto& r : rows)
        EXPECT_EQ(VdXml::IsEqual(r[0], r[1]), r[2] == 1) << r[0] << " " << r[1];
}

#ifdef VDXML_HAVE_GEOGRAPHICLIB

const GeographicLib::Geocentric& kEarth = GeographicLib::Geocentric::WGS84();

// A cofactor matrix (upper triangle) rotated into the local north, east, up frame through the
// oracle's rotation matrix, whose columns are the east, north and up axes in X, Y, Z.
std::array<double, 6> RotatedByOracle(const std::vector<double>& m,
                                      const std::array<double, 6>& q) {
    const double full[3][3] = {{q[0], q[1], q[2]}, {q[1], q[3], q[4]}, {q[2], q[4], q[5]}};
    auto entry = [&](int r, int c) {
        double sum = 0.0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) sum += m[3 * i + r] * full[i][j] * m[3 * j + c];
        return sum;
    };
    return {entry(1, 1), entry(1, 0), entry(1, 2), entry(0, 0), entry(0, 2), entry(2, 2)};
}

TEST(Wgs84, ConvertsAndRotatesAsGeographicLib) {
    std::vector<double> latitudes = {-89.9, -89.5, 89.5, 89.9, -0.0001, 0.0001, 47.3977};
    for (double lat = -87.5; lat <= 87.5; lat += 2.5) latitudes.push_back(lat);
    const std::array<double, 6> q = {4.0e-4, 1.2e-4, -0.8e-4, 9.0e-4, 2.5e-4, 1.6e-3};
    int cases = 0;
    for (double lat : latitudes)
        for (double lon : {-180.0, -179.9, -90.0, -7.3, 0.0, 8.5417, 90.0, 179.99, 180.0})
            for (double h : {-500.0, 0.0, 0.001, 1000.0, 8848.0}) {
                std::vector<double> m(9);
                double x, y, z;
                kEarth.Forward(lat, lon, h, x, y, z, m);
                std::array<double, 6> rotated = q;
                VdXml::XyzToGeodeticWgs84(x, y, z, ++cases % 2 ? rotated.data() : nullptr);
                ASSERT_NEAR(x, lat * kDegree, 1e-11) << lat << " " << lon << " " << h;
                ASSERT_NEAR(std::remainder(y - lon * kDegree, kTwoPi), 0.0, 1e-12) << lon;
                ASSERT_NEAR(z, h, 1e-4) << lat << " " << lon << " " << h;
                const std::array<double, 6> expected = cases % 2 ? RotatedByOracle(m, q) : q;
                for (std::size_t i = 0; i < q.size(); ++i)
                    ASSERT_NEAR(rotated[i], expected[i], 1e-15) << lat << " " << lon << " " << i;
            }
    // On the polar axis the longitude is 0 and the height counts from the pole.
    const double b = kEarth.EquatorialRadius() * (1.0 - kEarth.Flattening());
    const double axis[][4] = {
        {b + 12.5, kPi / 2, 12.5}, {-1000.0, -kPi / 2, 1000.0 - b}, {0.0, 0.0, -b}};
    for (const auto& c : axis) {
        double x = -0.0, y = -0.0, z = c[0];
        VdXml::XyzToGeodeticWgs84(x, y, z);
        EXPECT_TRUE(x == c[1] && y == 0.0 && std::fabs(z - c[2]) < 1e-8) << c[0];
    }
}

#else

TEST(Wgs84, ConvertsAndRotatesAsGeographicLib) {
    GTEST_SKIP() << "GeographicLib was not found when the build was configured";
}

#endif

}  // namespace

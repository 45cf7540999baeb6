// Comparison with GeographicLib, an independent geodesy library used only by these tests:
// its forward conversion from geodetic to Cartesian coordinates must come back through
// XyzToGeodeticWgs84, and its local east, north, up axes must rotate cofactors the same way.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "vdxml/geodesy.h"

#ifdef VDXML_HAVE_GEOGRAPHICLIB
#include <GeographicLib/Geocentric.hpp>
#endif

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;

#ifdef VDXML_HAVE_GEOGRAPHICLIB

std::vector<double> Latitudes() {
    std::vector<double> values = {-89.9, -89.5, -88.0, 88.0, 89.5, 89.9};
    for (double lat = -87.5; lat <= 87.5; lat += 2.5) values.push_back(lat);
    values.push_back(-0.0001);
    values.push_back(0.0001);
    values.push_back(47.3977);
    return values;
}

const double kLongitudes[] = {-180.0, -179.9, -135.0, -90.0, -45.0, -7.3,   0.0,
                              0.0001, 8.5417, 45.0,   90.0,  135.0, 179.99, 180.0};
const double kHeights[] = {-500.0, -100.0, 0.0, 0.001, 250.0, 1000.0, 4807.0, 8848.0, 10000.0};

// Difference of two longitudes, folded into (-pi, pi] so that -pi and pi agree.
double LongitudeDifference(double a, double b) {
    double d = std::fmod(a - b, 2.0 * kPi);
    if (d > kPi) d -= 2.0 * kPi;
    if (d <= -kPi) d += 2.0 * kPi;
    return d;
}

TEST(GeographicLibOracle, RoundTripOverLatitudeLongitudeHeightGrid) {
    const GeographicLib::Geocentric& earth = GeographicLib::Geocentric::WGS84();
    int cases = 0;
    for (double lat : Latitudes()) {
        for (double lon : kLongitudes) {
            for (double h : kHeights) {
                double x = 0, y = 0, z = 0;
                earth.Forward(lat, lon, h, x, y, z);
                VdXml::XyzToGeodeticWgs84(x, y, z, nullptr);
                ASSERT_NEAR(x, lat * kDegree, 1e-11) << lat << " " << lon << " " << h;
                ASSERT_NEAR(LongitudeDifference(y, lon * kDegree), 0.0, 1e-12)
                    << lat << " " << lon << " " << h;
                ASSERT_NEAR(z, h, 1e-4) << lat << " " << lon << " " << h;
                ++cases;
            }
        }
    }
    EXPECT_GT(cases, 5000);
}

// The same matrix in the local frame, built from GeographicLib's east, north, up axes.
std::array<double, 6> RotateWithOracleAxes(double latDeg, double lonDeg,
                                           const std::array<double, 6>& q) {
    std::vector<double> m(9);
    double x = 0, y = 0, z = 0;
    GeographicLib::Geocentric::WGS84().Forward(latDeg, lonDeg, 0.0, x, y, z, m);
    const double full[3][3] = {{q[0], q[1], q[2]}, {q[1], q[3], q[4]}, {q[2], q[4], q[5]}};
    // Column c of m is the c-th local axis (east, north, up) in X, Y, Z.
    auto entry = [&](int r, int c) {
        double sum = 0.0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) sum += m[3 * i + r] * full[i][j] * m[3 * j + c];
        return sum;
    };
    const int east = 0, north = 1, up = 2;
    return {entry(north, north), entry(north, east), entry(north, up),
            entry(east, east),   entry(east, up),    entry(up, up)};
}

TEST(GeographicLibOracle, CofactorRotationMatchesOracleAxes) {
    const std::array<double, 6> q = {4.0e-4, 1.2e-4, -0.8e-4, 9.0e-4, 2.5e-4, 1.6e-3};
    for (double lat : {-89.9, -60.0, -12.5, 0.0, 33.3, 47.3977, 75.0, 89.9}) {
        for (double lon : {-170.0, -90.0, -20.0, 0.0, 8.5417, 100.0, 180.0}) {
            std::array<double, 6> rotated = q;
            VdXml::QxxXyzToGeodetic(lat * kDegree, lon * kDegree, rotated.data());
            const std::array<double, 6> expected = RotateWithOracleAxes(lat, lon, q);
            for (std::size_t i = 0; i < q.size(); ++i) {
                ASSERT_NEAR(rotated[i], expected[i], 1e-17) << lat << " " << lon << " " << i;
            }
        }
    }
}

#else

TEST(GeographicLibOracle, RoundTripOverLatitudeLongitudeHeightGrid) {
    GTEST_SKIP() << "GeographicLib was not found when the build was configured; "
                    "the comparison with an independent geodesy library cannot run";
}

TEST(GeographicLibOracle, CofactorRotationMatchesOracleAxes) {
    GTEST_SKIP() << "GeographicLib was not found when the build was configured; "
                    "the comparison with an independent geodesy library cannot run";
}

#endif

}  // namespace

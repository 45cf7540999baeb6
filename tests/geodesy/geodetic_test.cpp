// WGS 84 Cartesian-to-geodetic conversion and rotation of cofactor matrices into the local
// north, east, up frame.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

#include "geodesy/wgs84.h"
#include "vdxml/geodesy.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = kPi / 2.0;
constexpr double kSemiMinor = 6356752.314245179;

using Cofactors = std::array<double, 6>;

TEST(Wgs84, DerivedConstants) {
    EXPECT_EQ(VdXml::wgs84::kB, kSemiMinor);
    EXPECT_EQ(VdXml::wgs84::kE2, 0.0066943799901413165);
    EXPECT_DOUBLE_EQ(1.0 / VdXml::wgs84::kF, 298.257223563);
}

struct Geodetic {
    double latitude;
    double longitude;
    double height;
};

Geodetic Convert(double x, double y, double z) {
    VdXml::XyzToGeodeticWgs84(x, y, z, nullptr);
    return {x, y, z};
}

TEST(XyzToGeodeticWgs84, CentreOfTheEarth) {
    const Geodetic g = Convert(0.0, 0.0, 0.0);
    EXPECT_EQ(g.latitude, 0.0);
    EXPECT_EQ(g.longitude, 0.0);
    EXPECT_EQ(g.height, -kSemiMinor);
}

TEST(XyzToGeodeticWgs84, PolesAndPolarAxis) {
    const Geodetic north = Convert(0.0, 0.0, kSemiMinor);
    EXPECT_EQ(north.latitude, kHalfPi);
    EXPECT_EQ(north.longitude, 0.0);
    EXPECT_EQ(north.height, 0.0);

    const Geodetic south = Convert(0.0, 0.0, -kSemiMinor);
    EXPECT_EQ(south.latitude, -kHalfPi);
    EXPECT_EQ(south.longitude, 0.0);
    EXPECT_EQ(south.height, 0.0);

    const Geodetic deep = Convert(0.0, 0.0, -1000.0);
    EXPECT_EQ(deep.latitude, -kHalfPi);
    EXPECT_EQ(deep.height, 1000.0 - kSemiMinor);

    // A negative zero is still on the axis.
    const Geodetic signedZero = Convert(-0.0, -0.0, kSemiMinor + 12.5);
    EXPECT_EQ(signedZero.latitude, kHalfPi);
    EXPECT_EQ(signedZero.longitude, 0.0);
    EXPECT_EQ(signedZero.height, 12.5);
}

TEST(XyzToGeodeticWgs84, PointInMidLatitudes) {
    const Geodetic g = Convert(4000000.0, 1000000.0, 4800000.0);
    EXPECT_NEAR(g.latitude, 0.8644500216892377, 4e-16);
    EXPECT_NEAR(g.longitude, 0.24497866312686414, 4e-16);
    EXPECT_NEAR(g.height, -38088.39928540774, 1e-8);
}

TEST(XyzToGeodeticWgs84, NotANumberPassesThroughWithoutFailing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Geodetic g = Convert(nan, 1.0, 1.0);
    EXPECT_TRUE(std::isnan(g.latitude));
    EXPECT_TRUE(std::isnan(g.height));
    Cofactors q = {1, 0, 0, 1, 0, 1};
    double x = 1e6, y = nan, z = 1e6;
    VdXml::XyzToGeodeticWgs84(x, y, z, q.data());
    EXPECT_TRUE(std::isnan(z));
}

TEST(XyzToGeodeticWgs84, CofactorsAreRotatedWithTheComputedPosition) {
    const Cofactors input = {4.0e-4, 1.0e-5, -2.0e-5, 9.0e-4, 3.0e-5, 1.6e-3};
    Cofactors viaConversion = input;
    double x = -2.7e6, y = 4.6e6, z = 3.3e6;
    VdXml::XyzToGeodeticWgs84(x, y, z, viaConversion.data());

    Cofactors direct = input;
    VdXml::QxxXyzToGeodetic(x, y, direct.data());
    for (std::size_t i = 0; i < direct.size(); ++i) EXPECT_EQ(viaConversion[i], direct[i]) << i;

    // Without cofactors only the position changes.
    double x2 = -2.7e6, y2 = 4.6e6, z2 = 3.3e6;
    VdXml::XyzToGeodeticWgs84(x2, y2, z2);
    EXPECT_EQ(x2, x);
    EXPECT_EQ(y2, y);
    EXPECT_EQ(z2, z);
}

void ExpectCofactorsNear(const Cofactors& actual, const Cofactors& expected, double tolerance) {
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
    }
}

Cofactors Rotate(double latitude, double longitude, Cofactors q) {
    VdXml::QxxXyzToGeodetic(latitude, longitude, q.data());
    return q;
}

TEST(QxxXyzToGeodetic, IdentityStaysIdentity) {
    const Cofactors identity = {1, 0, 0, 1, 0, 1};
    for (double latitude : {-kHalfPi, -1.0, 0.0, 0.3, 0.8644500216892377, kHalfPi}) {
        for (double longitude : {-kPi, -2.0, 0.0, 0.24497866312686414, 1.5, kPi}) {
            ExpectCofactorsNear(Rotate(latitude, longitude, identity), identity, 1e-15);
        }
    }
}

TEST(QxxXyzToGeodetic, AtLatitudeZeroLongitudeZeroAxesArePermuted) {
    // X becomes up, Y east, Z north.
    const Cofactors q = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
    const Cofactors rotated = Rotate(0.0, 0.0, q);
    EXPECT_EQ(rotated[0], 6.0);  // qZZ
    EXPECT_EQ(rotated[1], 5.0);  // qYZ
    EXPECT_EQ(rotated[2], 3.0);  // qXZ
    EXPECT_EQ(rotated[3], 4.0);  // qYY
    EXPECT_EQ(rotated[4], 2.0);  // qXY
    EXPECT_EQ(rotated[5], 1.0);  // qXX
}

TEST(QxxXyzToGeodetic, AtTheNorthPoleNorthPointsAlongMinusX) {
    // north = -X, east = Y, up = Z.
    const Cofactors q = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
    ExpectCofactorsNear(Rotate(kHalfPi, 0.0, q), {1.0, -2.0, -3.0, 4.0, 5.0, 6.0}, 1e-14);
}

TEST(QxxXyzToGeodetic, OnTheEquatorAtNinetyDegreesEast) {
    // north = Z, east = -X, up = Y.
    const Cofactors q = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
    ExpectCofactorsNear(Rotate(0.0, kHalfPi, q), {6.0, -3.0, 5.0, 1.0, -2.0, 4.0}, 1e-14);
}

TEST(QxxXyzToGeodetic, NullCofactorsAreIgnored) {
    VdXml::QxxXyzToGeodetic(0.5, 0.5, nullptr);
    double x = 4e6, y = 1e6, z = 4.8e6;
    VdXml::XyzToGeodeticWgs84(x, y, z, nullptr);
    EXPECT_NEAR(x, 0.8644500216892377, 4e-16);
}

TEST(QxxXyzToGeodetic, AngleArgumentMayAliasTheCofactors) {
    const Cofactors input = {0.7, 0.1, 0.2, 0.9, 0.3, 1.1};
    const Cofactors expected = Rotate(0.7, 0.9, input);
    Cofactors aliased = input;
    const double longitude = 0.9;
    VdXml::QxxXyzToGeodetic(aliased[0], longitude, aliased.data());
    for (std::size_t i = 0; i < aliased.size(); ++i) EXPECT_EQ(aliased[i], expected[i]) << i;
}

// Coefficients of the characteristic polynomial: trace, sum of the principal 2 x 2 minors and
// determinant. A rotation leaves all three, and with them the eigenvalues, unchanged.
struct Invariants {
    double trace;
    double minors;
    double determinant;
};

Invariants InvariantsOf(const Cofactors& q) {
    const double q11 = q[0], q12 = q[1], q13 = q[2], q22 = q[3], q23 = q[4], q33 = q[5];
    Invariants inv{};
    inv.trace = q11 + q22 + q33;
    inv.minors = (q11 * q22 - q12 * q12) + (q11 * q33 - q13 * q13) + (q22 * q33 - q23 * q23);
    inv.determinant = q11 * (q22 * q33 - q23 * q23) - q12 * (q12 * q33 - q23 * q13) +
                      q13 * (q12 * q23 - q22 * q13);
    return inv;
}

TEST(QxxXyzToGeodetic, PreservesTraceMinorsAndDeterminant) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    std::uniform_real_distribution<double> latitudes(-kHalfPi, kHalfPi);
    std::uniform_real_distribution<double> longitudes(-kPi, kPi);
    for (int i = 0; i < 500; ++i) {
        // Alternate between covariance-like (A * A^T) and indefinite symmetric matrices.
        Cofactors q{};
        if (i % 2 == 0) {
            double a[3][3];
            for (auto& row : a)
                for (double& v : row) v = entry(random);
            q = {a[0][0] * a[0][0] + a[0][1] * a[0][1] + a[0][2] * a[0][2],
                 a[0][0] * a[1][0] + a[0][1] * a[1][1] + a[0][2] * a[1][2],
                 a[0][0] * a[2][0] + a[0][1] * a[2][1] + a[0][2] * a[2][2],
                 a[1][0] * a[1][0] + a[1][1] * a[1][1] + a[1][2] * a[1][2],
                 a[1][0] * a[2][0] + a[1][1] * a[2][1] + a[1][2] * a[2][2],
                 a[2][0] * a[2][0] + a[2][1] * a[2][1] + a[2][2] * a[2][2]};
        } else {
            for (double& v : q) v = entry(random);
        }
        const double latitude = latitudes(random);
        const double longitude = longitudes(random);
        const Invariants before = InvariantsOf(q);
        const Invariants after = InvariantsOf(Rotate(latitude, longitude, q));
        ASSERT_NEAR(after.trace, before.trace, 1e-14) << i;
        ASSERT_NEAR(after.minors, before.minors, 1e-14) << i;
        ASSERT_NEAR(after.determinant, before.determinant, 1e-14) << i;
    }
}

}  // namespace

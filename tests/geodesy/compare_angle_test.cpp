// Tolerant comparison of doubles and reduction of angles by whole turns.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "vdxml/geodesy.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(IsEqual, ComparesMagnitudesNotSigns) {
    EXPECT_TRUE(VdXml::IsEqual(2.0, -2.0));
    EXPECT_TRUE(VdXml::IsEqual(-2.0, 2.0));
    EXPECT_TRUE(VdXml::IsEqual(-3.5, -3.5));
    EXPECT_FALSE(VdXml::IsEqual(2.0, -2.5));
}

TEST(IsEqual, ZerosCompareEqual) {
    EXPECT_TRUE(VdXml::IsEqual(0.0, 0.0));
    EXPECT_TRUE(VdXml::IsEqual(0.0, -0.0));
    EXPECT_TRUE(VdXml::IsEqual(-0.0, -0.0));
}

TEST(IsEqual, ToleranceIsOneUnitInTheLastPlaceAtOne) {
    EXPECT_TRUE(VdXml::IsEqual(1.0, 1.0 + std::ldexp(1.0, -52)));
    EXPECT_TRUE(VdXml::IsEqual(1.0 + std::ldexp(1.0, -52), 1.0));
    EXPECT_FALSE(VdXml::IsEqual(1.0, 1.0 + std::ldexp(1.0, -51)));
    EXPECT_FALSE(VdXml::IsEqual(1.0 + std::ldexp(1.0, -51), 1.0));
}

TEST(IsEqual, ToleranceScalesWithMagnitude) {
    const double big = 1e300;
    EXPECT_TRUE(VdXml::IsEqual(big, std::nextafter(big, kInf)));
    EXPECT_FALSE(VdXml::IsEqual(big, big * (1.0 + 1e-15)));
    const double small = 1e-10;
    EXPECT_TRUE(VdXml::IsEqual(small, std::nextafter(small, kInf)));
    EXPECT_FALSE(VdXml::IsEqual(small, small * (1.0 + 1e-15)));
}

TEST(IsEqual, AbsoluteFloorNearZeroIsEpsilonSquared) {
    // eps^2 is about 4.93e-32.
    EXPECT_TRUE(VdXml::IsEqual(0.0, 4.0e-32));
    EXPECT_TRUE(VdXml::IsEqual(-4.0e-32, 0.0));
    EXPECT_FALSE(VdXml::IsEqual(0.0, 5.0e-32));
    EXPECT_FALSE(VdXml::IsEqual(5.0e-32, 0.0));
    // Far below the floor, values of different size are all equal.
    EXPECT_TRUE(VdXml::IsEqual(1e-300, 3e-300));
}

TEST(IsEqual, NanAndInfinities) {
    EXPECT_FALSE(VdXml::IsEqual(kNaN, kNaN));
    EXPECT_FALSE(VdXml::IsEqual(kNaN, 1.0));
    EXPECT_FALSE(VdXml::IsEqual(1.0, kNaN));
    EXPECT_FALSE(VdXml::IsEqual(kInf, 1.0));
    EXPECT_FALSE(VdXml::IsEqual(1.0, -kInf));
    // The difference of two infinite magnitudes is undefined, so they do not compare equal.
    EXPECT_FALSE(VdXml::IsEqual(kInf, -kInf));
}

TEST(NormalizeAngle, ReducesByWholeTurns) {
    EXPECT_DOUBLE_EQ(VdXml::NormalizeAngle(3.0 * kPi), kPi);
    EXPECT_DOUBLE_EQ(VdXml::NormalizeAngle(-3.0 * kPi), -kPi);
    EXPECT_NEAR(VdXml::NormalizeAngle(7.0 * kTwoPi + 0.25), 0.25, 1e-13);
    EXPECT_NEAR(VdXml::NormalizeAngle(-7.0 * kTwoPi - 0.25), -0.25, 1e-13);
}

TEST(NormalizeAngle, AnglesInTheClosedRangeAreUnchanged) {
    for (double angle : {-1.0, 0.0, -0.0, kPi, -kPi, kTwoPi, -kTwoPi, 1e-300, -1e-300}) {
        const double reduced = VdXml::NormalizeAngle(angle);
        EXPECT_EQ(reduced, angle);
        EXPECT_EQ(std::signbit(reduced), std::signbit(angle));
    }
}

TEST(NormalizeAngle, JustOutsideTheBoundsStepsOneTurn) {
    const double above = std::nextafter(kTwoPi, kInf);
    EXPECT_EQ(VdXml::NormalizeAngle(above), above - kTwoPi);
    EXPECT_GT(VdXml::NormalizeAngle(above), 0.0);
    const double below = std::nextafter(-kTwoPi, -kInf);
    EXPECT_EQ(VdXml::NormalizeAngle(below), below + kTwoPi);
    EXPECT_LT(VdXml::NormalizeAngle(below), 0.0);
    // Two whole turns stop at the closed upper bound, not at zero.
    EXPECT_EQ(VdXml::NormalizeAngle(2.0 * kTwoPi), kTwoPi);
    EXPECT_EQ(VdXml::NormalizeAngle(-2.0 * kTwoPi), -kTwoPi);
}

TEST(NormalizeAngle, NanAndInfinitiesComeBackUnchanged) {
    EXPECT_TRUE(std::isnan(VdXml::NormalizeAngle(kNaN)));
    EXPECT_EQ(VdXml::NormalizeAngle(kInf), kInf);
    EXPECT_EQ(VdXml::NormalizeAngle(-kInf), -kInf);
}

TEST(NormalizeAngle, HugeMagnitudesAreReducedByRemainder) {
    const double huge[] = {1e17,
                           -1e17,
                           1e300,
                           -1e300,
                           std::numeric_limits<double>::max(),
                           -std::numeric_limits<double>::max()};
    for (double angle : huge) {
        const double reduced = VdXml::NormalizeAngle(angle);
        EXPECT_GE(reduced, -kTwoPi) << angle;
        EXPECT_LE(reduced, kTwoPi) << angle;
        EXPECT_EQ(std::signbit(reduced), std::signbit(angle)) << angle;
    }
    // A whole number of turns that is a power of two times one turn lands on the bound.
    EXPECT_EQ(VdXml::NormalizeAngle(4096.0 * kTwoPi), kTwoPi);
    EXPECT_EQ(VdXml::NormalizeAngle(-4096.0 * kTwoPi), -kTwoPi);
    EXPECT_NEAR(VdXml::NormalizeAngle(1e6 * kTwoPi + 1.0), 1.0, 1e-8);
    EXPECT_NEAR(VdXml::NormalizeAngle(-1e6 * kTwoPi - 1.0), -1.0, 1e-8);
}

TEST(NormalizeAngle, StepwiseAndRemainderReductionAgreeAcrossTheirBorder) {
    for (double turns : {1023.0, 1024.0, 1025.0, 1030.0}) {
        for (double rest : {0.5, 3.0, 6.0}) {
            EXPECT_NEAR(VdXml::NormalizeAngle(turns * kTwoPi + rest), rest, 1e-9) << turns;
            EXPECT_NEAR(VdXml::NormalizeAngle(-turns * kTwoPi - rest), -rest, 1e-9) << turns;
        }
    }
}

TEST(NormalizeAngle, ResultIsInRangeAndAWholeNumberOfTurnsAway) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> angles(-2000.0 * kTwoPi, 2000.0 * kTwoPi);
    for (int i = 0; i < 2000; ++i) {
        const double angle = angles(random);
        const double reduced = VdXml::NormalizeAngle(angle);
        ASSERT_GE(reduced, -kTwoPi) << angle;
        ASSERT_LE(reduced, kTwoPi) << angle;
        // Positive angles stay positive, negative ones negative.
        ASSERT_EQ(reduced > 0.0, angle > 0.0) << angle;
        const double turns = (angle - reduced) / kTwoPi;
        ASSERT_NEAR(turns, std::round(turns), 1e-9) << angle;
    }
}

}  // namespace

// Modified Julian Dates, tolerant comparison and reduction of angles by whole turns.
#include <cmath>

#include "vdxml/geodesy.h"

namespace VdXml {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kEpsilon = 2.220446049250313e-16;  // 2^-52

// Beyond this many turns an angle is reduced by a remainder instead of by repeated steps of
// one turn: the loop would take long, and past 2^53 turns a step no longer changes the value.
constexpr double kMaxStepwiseTurns = 1024.0;

}  // namespace

double Mjd(int year, int month, int day, int hour, int minute, double second) {
    // Day with the time of day as fraction; hours, minutes and seconds are simply added, so a
    // second of 86400 counts as one more day.
    double fraction = static_cast<double>(day) + static_cast<double>(hour) / 24.0;
    fraction = fraction + (static_cast<double>(minute) / 24.0) / 60.0;
    fraction = fraction + (second / 24.0) / 3600.0;

    // The integer terms run in 64 bits so that no int argument can overflow them; for every
    // date where 32-bit arithmetic would not overflow, the result is the same.
    long long y = year;
    long long m = month;
    if (m <= 2) {
        // January and February count as months 13 and 14 of the previous year.
        y = y - 1;
        m = m + 12;
    }
    const long long century = y / 100;
    const long long gregorian = century / 4 - century + 2;

    const double yearDays = static_cast<double>(y) * 365.25;
    const double yearTerm = (yearDays - std::fmod(yearDays, 1.0)) - 679006.0;
    const long long monthTerm = static_cast<long long>(static_cast<double>(m + 1) * 30.6001);

    return (static_cast<double>(monthTerm + gregorian) + yearTerm) + fraction;
}

bool IsEqual(double a, double b) {
    const double magA = a > 0 ? a : -a;
    const double magB = b > 0 ? b : -b;
    const double larger = magA > magB ? magA : magB;
    double difference = magA - magB;
    if (difference < 0) difference = -difference;
    // Relative tolerance with a floor of eps^2, so that two zeros compare equal; any NaN makes
    // the comparison false.
    return difference < (larger + kEpsilon) * kEpsilon;
}

double NormalizeAngle(double angle) {
    if (!std::isfinite(angle)) return angle;

    if (std::fabs(angle) > kMaxStepwiseTurns * kTwoPi) {
        // fmod is exact and keeps the sign: (-2pi, 0] or [0, 2pi). A whole number of turns maps
        // to the bound the stepwise loop would stop at.
        double rest = std::fmod(angle, kTwoPi);
        if (rest == 0.0) rest = angle > 0 ? kTwoPi : -kTwoPi;
        return rest;
    }

    while (angle > kTwoPi) angle = angle - kTwoPi;
    while (angle < -kTwoPi) angle = angle + kTwoPi;
    return angle;
}

}  // namespace VdXml

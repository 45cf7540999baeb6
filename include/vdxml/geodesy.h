// Geodetic, angle and time utilities: Modified Julian Dates, tolerant comparison of doubles,
// reduction of angles by whole turns, WGS 84 Cartesian-to-geodetic conversion and rotation of
// cofactor matrices into the local north, east, up frame.
//
// The functions hold no state, allocate nothing and report no errors: they are pure computations
// on doubles, reentrant and callable from any thread at any time.
#pragma once

#include "vdxml/export.h"

namespace VdXml {

/// @brief Modified Julian Date of a Gregorian calendar date and time of day.
///
/// Day 0 is 17 November 1858, 0 h. The time scale (local time, UTC, GPS time) is whatever the
/// date and time are given in; no conversion between scales takes place. No argument is range
/// checked: out-of-range months, days or times enter the formula as they stand (a second of
/// 86400.0 simply adds one day). The Gregorian correction applies to every date, also to dates
/// before 1582. The integer parts are computed without overflow for any `int` argument.
///
/// @param year   calendar year, e.g. 2000
/// @param month  month 1 (January) to 12 (December)
/// @param day    day of the month
/// @param hour   hour of the day
/// @param minute minute of the hour
/// @param second second of the minute, with fraction
/// @return the Modified Julian Date in days, with the time of day as fraction
VDXML_API double Mjd(int year, int month, int day, int hour, int minute, double second);

/// @brief Compares the magnitudes of two doubles with a relative tolerance.
///
/// True exactly when | |a| - |b| | < (max(|a|, |b|) + eps) * eps, with eps = 2^-52. The signs do
/// not enter the result (2.0 and -2.0 compare equal); two zeros compare equal; a NaN in either
/// argument gives false, and so do two infinities (their difference is undefined).
///
/// @param a first value
/// @param b second value
/// @return true when |a| and |b| agree within the tolerance
VDXML_API bool IsEqual(double a, double b);

/// @brief Reduces an angle by whole turns into the closed range [-2*pi, 2*pi].
///
/// Angles already in the range come back unchanged, including negative ones and both bounds.
/// A larger angle has 2*pi subtracted until it is at most 2*pi; a smaller one has 2*pi added until
/// it is at least -2*pi. Magnitudes beyond 1024 turns, where that repetition would take long or
/// never end because subtracting 2*pi no longer changes the value, are reduced instead by the
/// exact floating-point remainder of division by 2*pi, with the same result range: (0, 2*pi] for
/// positive and [-2*pi, 0) for negative angles. NaN and infinities are returned unchanged.
///
/// @param angle angle in radians
/// @return the reduced angle in radians
VDXML_API double NormalizeAngle(double angle);

/// @brief Converts Earth-centred Cartesian coordinates on WGS 84 into geodetic ones, in place.
///
/// Uses Bowring's closed formula in one step, without iteration. A point on the polar axis
/// (x and y exactly zero) gets longitude 0, latitude +pi/2, -pi/2 or 0 by the sign of z, and
/// height |z| - b.
///
/// @param[in,out] x         X in metres on entry; latitude in radians on return
/// @param[in,out] y         Y in metres on entry; longitude in radians, in (-pi, pi], on return
/// @param[in,out] z         Z in metres on entry; ellipsoidal height in metres on return
/// @param[in,out] cofactors null, or six doubles q11, q12, q13, q22, q23, q33 (upper triangle,
///                          row by row) of a matrix in the X, Y, Z frame, rotated in place into
///                          the north, east, up frame of the computed latitude and longitude
VDXML_API void XyzToGeodeticWgs84(double& x, double& y, double& z, double* cofactors = nullptr);

/// @brief Rotates a symmetric 3 x 3 cofactor matrix from the X, Y, Z frame into the local
///        north, east, up frame of a latitude and longitude, in place.
///
/// The result stays in linear units (square metres for a covariance in metres): it is the
/// covariance in the local frame, not one of latitude and longitude in angular units.
///
/// @param latitude      latitude in radians
/// @param longitude     longitude in radians
/// @param[in,out] cofactors six doubles q11, q12, q13, q22, q23, q33 (upper triangle, row by row);
///                          on return 11 = north-north, 12 = north-east, 13 = north-up,
///                          22 = east-east, 23 = east-up, 33 = up-up; when null, nothing
///                          happens
VDXML_API void QxxXyzToGeodetic(const double& latitude, const double& longitude,
                                double* const cofactors);

}  // namespace VdXml

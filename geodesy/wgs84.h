// The WGS 84 ellipsoid as the geodetic conversions use it. The semi-minor axis and the first
// eccentricity squared are derived from the semi-major axis and the flattening; being constant
// expressions, they are fixed before any code of the library runs and never change afterwards.
#pragma once

namespace VdXml {
namespace wgs84 {

/// Semi-major axis in metres.
constexpr double kA = 6378137.0;
/// Flattening 1 / 298.257223563, held as the flattening itself.
constexpr double kF = 0.0033528106647474805;
/// Semi-minor axis in metres: (1 - f) * a.
constexpr double kB = (1.0 - kF) * kA;
/// First eccentricity squared: f + f - f * f.
constexpr double kE2 = kF + kF - kF * kF;

}  // namespace wgs84
}  // namespace VdXml

// WGS 84 Cartesian-to-geodetic conversion and rotation of cofactor matrices into the local
// north, east, up frame.
#include <cmath>

#include "geodesy/wgs84.h"
#include "vdxml/geodesy.h"

namespace VdXml {
namespace {

constexpr double kHalfPi = 1.5707963267948966;

}  // namespace

void XyzToGeodeticWgs84(double& x, double& y, double& z, double* cofactors) {
    using wgs84::kA;
    using wgs84::kB;
    using wgs84::kE2;

    // Read everything first: the caller may pass the same variable more than once.
    const double X = x;
    const double Y = y;
    const double Z = z;

    const double p = std::sqrt(Y * Y + X * X);
    // Parametric latitude of Bowring's first approximation.
    const double theta = std::atan2(kA * Z, kB * p);
    const double sinTheta = std::sin(theta);
    const double cosTheta = std::cos(theta);

    double latitude = 0.0;
    double longitude = 0.0;
    double height = 0.0;
    if (X == 0.0 && Y == 0.0) {
        // On the polar axis the longitude is undefined and the height is measured from the pole.
        latitude = Z > 0.0 ? kHalfPi : (Z < 0.0 ? -kHalfPi : 0.0);
        longitude = 0.0;
        height = std::fabs(Z) - kB;
    } else {
        const double k = kE2 * kA;
        const double sin3 = sinTheta * sinTheta * sinTheta;
        const double cos3 = cosTheta * cosTheta * cosTheta;
        latitude = std::atan2(Z + k * kA * sin3 / kB, p - k * cos3);
        longitude = std::atan2(Y, X);
        const double sinLat = std::sin(latitude);
        const double primeVertical = kA / std::sqrt(1.0 - kE2 * sinLat * sinLat);
        height = p / std::cos(latitude) - primeVertical;
    }

    x = latitude;
    y = longitude;
    z = height;

    if (cofactors != nullptr) QxxXyzToGeodetic(latitude, longitude, cofactors);
}

void QxxXyzToGeodetic(const double& latitude, const double& longitude, double* const cofactors) {
    if (cofactors == nullptr) return;

    const double sinLat = std::sin(latitude);
    const double cosLat = std::cos(latitude);
    const double sinLon = std::sin(longitude);
    const double cosLon = std::cos(longitude);

    // Rows: the north, east and up axes expressed in X, Y, Z.
    const double r[3][3] = {
        {-sinLat * cosLon, -sinLat * sinLon, cosLat},
        {-sinLon, cosLon, 0.0},
        {cosLat * cosLon, cosLat * sinLon, sinLat},
    };

    const double q[3][3] = {
        {cofactors[0], cofactors[1], cofactors[2]},
        {cofactors[1], cofactors[3], cofactors[4]},
        {cofactors[2], cofactors[4], cofactors[5]},
    };

    // R * Q first, then (R * Q) * R^T.
    double rq[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            rq[i][j] = r[i][0] * q[0][j] + r[i][1] * q[1][j] + r[i][2] * q[2][j];
        }
    }
    double local[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            local[i][j] = rq[i][0] * r[j][0] + rq[i][1] * r[j][1] + rq[i][2] * r[j][2];
        }
    }

    cofactors[0] = local[0][0];
    cofactors[1] = local[0][1];
    cofactors[2] = local[0][2];
    cofactors[3] = local[1][1];
    cofactors[4] = local[1][2];
    cofactors[5] = local[2][2];
}

}  // namespace VdXml

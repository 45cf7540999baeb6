#include "survey_workload.h"

#include <cmath>

#include "vdxml/geodesy.h"

namespace vdxml_bench {
namespace {
constexpr int kColumns = 400;
constexpr double kSpacing = 2.5;  // metres between neighbouring points

// The standard deviation of a cofactor sum, as the library computes it.
double Deviation(double cofactorSum, double m0) {
    return std::sqrt(cofactorSum > 0 ? cofactorSum : 0.0) * m0;
}
}  // namespace

SurveyPoint MakePoint(long long index) {
    const double column = static_cast<double>(index % kColumns);
    const double row = static_cast<double>(index / kColumns);
    SurveyPoint p;
    // A site near 47 N, 8 E; the Cartesian values move along with the grid.
    p.x = 4317218.3391 - 1.71 * column - 1.04 * row;
    p.y = 606742.1184 + 2.47 * column - 0.15 * row;
    p.z = 4641613.6027 + 0.0 * column + 1.70 * row;
    p.m0 = 1.0;
    p.q11 = 6.4e-5 * (1.0 + 0.01 * static_cast<double>(index % 7));
    p.q12 = 0.1 * p.q11;
    p.q13 = -0.05 * p.q11;
    p.q22 = 0.9 * p.q11;
    p.q23 = 0.02 * p.q11;
    p.q33 = 2.25e-4;
    p.east = 2600000.0 + kSpacing * column + 0.0013 * static_cast<double>(index % 11);
    p.north = 1200000.0 + kSpacing * row + 0.0007 * static_cast<double>(index % 13);
    p.height = 450.0 + 3.0 * std::sin(column / 60.0) + 2.0 * std::cos(row / 45.0);
    return p;
}

std::string PointName(long long index) { return "P" + std::to_string(index + 1); }

DerivedQuality DeriveQuality(const SurveyPoint& p) {
    DerivedQuality d;
    d.sd1 = Deviation(p.q11, p.m0);
    d.sd2 = Deviation(p.q22, p.m0);
    d.sd3 = Deviation(p.q33, p.m0);
    double x = p.x, y = p.y, z = p.z;
    double q[6] = {p.q11, p.q12, p.q13, p.q22, p.q23, p.q33};
    VdXml::XyzToGeodeticWgs84(x, y, z, q);
    d.pos = Deviation(q[0] + q[3], p.m0);
    d.hgt = Deviation(q[5], p.m0);
    d.posHgt = Deviation(q[0] + q[3] + q[5], p.m0);
    return d;
}

}  // namespace vdxml_bench

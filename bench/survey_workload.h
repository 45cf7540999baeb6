// The benchmark survey: one project with N points, each with a name and one coordinate that
// holds WGS 84 Cartesian coordinates with cofactors and a local grid position with its
// orthometric height. Every writer of the benchmarks (the library and the plain libxml2 ones)
// takes its values from here, so all of them describe the same survey.
#pragma once

#include <string>

namespace vdxml_bench {

/// Fixed texts of the file header.
struct SurveyHeader {
    static constexpr const char* kNamespace = "urn:vdxml:bench";
    static constexpr const char* kDataTypesNamespace = "urn:schemas-microsoft-com:datatypes";
    static constexpr const char* kCompany = "Bench Surveys Ltd";
    static constexpr const char* kApplication = "vdxml bench";
    static constexpr int kVersionMajor = 1;
    static constexpr int kVersionMinor = 0;
    static constexpr int kLinearUnit = 1;
    static constexpr int kAngularUnit = 1;
    static constexpr int kTimeSystem = 2;
    static constexpr const char* kProject = "Bench site";
};

/// The values of one point as a caller hands them to the library.
struct SurveyPoint {
    double x = 0, y = 0, z = 0;  ///< WGS 84 Cartesian, metres
    double m0 = 0, q11 = 0, q12 = 0, q13 = 0, q22 = 0, q23 = 0, q33 = 0;
    double east = 0, north = 0, height = 0;  ///< local grid, orthometric height
};

/// The values the library derives while writing a point: standard deviations of the
/// Cartesian cofactors and the coordinate quality of the cofactors rotated into north, east,
/// up. The plain libxml2 writers compute them the same way, so they write the same texts.
struct DerivedQuality {
    double sd1 = 0, sd2 = 0, sd3 = 0;
    double pos = 0, hgt = 0, posHgt = 0;
};

/// The point with the given index (0-based); the same index always gives the same values.
SurveyPoint MakePoint(long long index);
/// "P" followed by index + 1.
std::string PointName(long long index);
DerivedQuality DeriveQuality(const SurveyPoint& point);

}  // namespace vdxml_bench

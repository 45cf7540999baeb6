// What `vdxml plot` keeps of a survey: per point only its name, grid position, symbol and code,
// the setups with their rays, the GPS relations and the lines of the title block. Everything
// here is in grid coordinates (easting, northing) in the file's linear unit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vdxml_cli::plot {

/// The point symbols, one per group of point classes, in the order of the legend.
enum class PointSymbol : std::uint8_t {
    kControl,
    kReference,
    kAdjusted,
    kAveraged,
    kMeasured,
    kApproximate,  ///< estimated, navigated or single-point positions
    kUnclassified,
};
constexpr int kPointSymbolCount = 7;

/// The symbol of a point class code (VDXML_POINT_CLASS); an unknown code is unclassified.
PointSymbol SymbolOfClass(std::uint32_t pointClass);

/// How a point takes part in GPS work, from the "Gps" data below it.
enum class GnssRole : std::uint8_t { kNone, kRover, kReferenceStation };

constexpr std::uint16_t kNoCode = 0xFFFF;

struct PlanPoint {
    std::string name;
    double east = 0.0, north = 0.0;
    PointSymbol symbol = PointSymbol::kUnclassified;
    GnssRole gnss = GnssRole::kNone;
    std::uint16_t code = kNoCode;  ///< index into Plan::codes
};

/// A thematic code used by the drawn points, with its description when the file gives one.
struct PlanCode {
    std::string name, description;
    std::size_t points = 0;  ///< drawn points carrying it
};

constexpr std::size_t kNoPoint = static_cast<std::size_t>(-1);

/// One observation set of a setup, as far as the plan needs it.
struct PlanRay {
    bool drawn = false;    ///< direction and horizontal distance are known
    double azimuth = 0.0;  ///< grid azimuth, radians clockwise from grid north
    double horizontalDistance = 0.0;
};

struct PlanSetup {
    std::size_t station = kNoPoint;  ///< index into Plan::points; kNoPoint when not known
    bool oriented = false;           ///< the setup gives its orientation
    std::vector<PlanRay> rays;
};

/// The relation of a rover point to its reference station.
struct PlanBaseline {
    std::size_t rover = kNoPoint;  ///< index into Plan::points
    bool drawn = false;            ///< the reference position is known
    double referenceEast = 0.0, referenceNorth = 0.0;
    std::size_t referencePoint = kNoPoint;  ///< the reference station's point, when it is one
};

/// The linear unit of the file, for the scale bar.
enum class LinearUnit : std::uint8_t { kUnknown, kMetre, kUsSurveyFoot, kInternationalFoot };

struct Plan {
    // The title block.
    std::string company, application, project, coordinateSystem, created;
    bool hasCoordinateSystem = false;
    std::size_t projectCount = 0;   ///< projects in the file
    std::size_t projectNumber = 0;  ///< 1-based position of the drawn project, 0 for none
    LinearUnit unit = LinearUnit::kUnknown;

    std::vector<PlanPoint> points;   ///< the project's points with grid coordinates
    std::size_t pointsNotDrawn = 0;  ///< the project's points without them
    std::vector<PlanCode> codes;
    std::vector<PlanSetup> setups;
    std::vector<PlanBaseline> baselines;
};

}  // namespace vdxml_cli::plot

// The element families of the sample survey, one writer each, and the small helpers they
// share. sample_survey.cpp puts them together in file order.
#pragma once

#include "sample_survey.h"
#include "vdxml/coord.h"
#include "vdxml/dcoord.h"
#include "vdxml/document.h"
#include "vdxml/point.h"
#include "vdxml/project.h"

namespace vdxml_cli::sample {

constexpr double kPi = 3.14159265358979323846;
/// Epoch of the first point (Modified Julian Date).
constexpr double kFirstEpoch = 61000.5;
/// Orthometric minus ellipsoidal height on the site (the negated geoid separation).
constexpr double kGeoidSeparation = 48.3;

/// The position of a grid offset (metres east and north of the grid's origin).
SamplePosition PositionAt(double east, double north);
/// A cofactor block with the given standard deviations for position and height.
VDXML_QLTY Cofactors(double horizontal, double vertical);
/// The earth-centred WGS 84 block of a sample position, with the quality of a GPS fix.
VDXML_CARTESIAN MeasuredXyz(const SamplePosition& p);
/// The local grid block of a sample position: easting, northing and orthometric height.
VDXML_GRID SiteGrid(const SamplePosition& p);
/// "P1", "P2", ... for the point at index.
_bstr_t PointName(long long index);
/// When the point at index was measured (Modified Julian Date): a minute after its predecessor.
double PointEpoch(long long index);

/// "CoordinateSystem" below parent: the site grid with its reference models and the
/// transformation from WGS 84 fitted on three of the points.
long WriteCoordinateSystem(const CVdXmlNode& parent, long long points);
/// "ThematicalCodelist" below parent: one group of point codes with their attributes.
long WriteCodeList(const CVdXmlNode& parent);
/// The code of the point at index with its attribute value, below the point.
long WritePointCode(const CVdXmlNode& point, long long index);
/// "Gps" below the point: reference, rover and the baseline between them.
long WriteGps(const CVdXmlNode& point, long long index);
/// "Stakeout" below the point: its design position and the staked result.
long WriteStakeout(const CVdXmlNode& point, long long index);
/// A total-station setup below parent with its details and three observation sets.
long WriteTotalStation(const CVdXmlNode& parent);

}  // namespace vdxml_cli::sample

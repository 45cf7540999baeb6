// The plan reader fed records directly, for what the library's readers leave empty today: a
// baseline's vector puts the reference station at the rover less the vector, turned into east
// and north at the rover.
#include <gtest/gtest.h>

#include <cmath>

#include "plot_reader.h"
#include "vdxml/geodesy.h"

namespace {

using vdxml_cli::plot::Plan;
using vdxml_cli::plot::PlanReader;

// Reads a project of one rover point at grid (1000, 2000) whose baseline carries difference.
Plan ReadRover(const VDXML_COORD& coord, const VDXML_DCOORD& difference) {
    PlanReader reader("");
    VdXml::_CURRENCYTABLE table;
    VDXML_ROOT root;
    VDXML_PROJECT project;
    VDXML_POINT point;
    point.Name = L"R";
    VDXML_GPS_ROVER rover;
    VDXML_GPSBASELINE baseline;
    VDXML_DCOORD nested = difference;
    VDXML_BASE* const opened[] = {&root, &project, &point};
    for (VDXML_BASE* record : opened) reader.OnRecordOpen(table, *record);
    VDXML_COORD withGrid = coord;
    withGrid.LocalEnh.Flags = VDXML_GRID::flagEN;
    withGrid.LocalEnh.E = 1000, withGrid.LocalEnh.N = 2000;
    for (VDXML_BASE* record :
         {static_cast<VDXML_BASE*>(&withGrid), static_cast<VDXML_BASE*>(&rover)}) {
        reader.OnRecordOpen(table, *record);
        reader.OnRecordClose(table, *record);
    }
    reader.OnRecordOpen(table, baseline);
    reader.OnRecordOpen(table, nested);
    reader.OnRecordClose(table, nested);
    reader.OnRecordClose(table, baseline);
    for (int i = 2; i >= 0; --i) reader.OnRecordClose(table, *opened[i]);
    return reader.Finish(VDXML_UNDEFINED);
}

TEST(PlanReader, BaselineVectorPutsTheReferenceStation) {
    // The rover on the ellipsoid near 47 N 8 E, the reference about 1.9 km south-west.
    const double roverXyz[3] = {4315584.255, 606515.813, 4642095.361};
    const double vector[3] = {-1073.88, 1364.228, 817.098};  // reference to rover
    double rover[3] = {roverXyz[0], roverXyz[1], roverXyz[2]};
    double reference[3] = {roverXyz[0] - vector[0], roverXyz[1] - vector[1],
                           roverXyz[2] - vector[2]};
    VdXml::XyzToGeodeticWgs84(rover[0], rover[1], rover[2]);
    VdXml::XyzToGeodeticWgs84(reference[0], reference[1], reference[2]);
    // The reference's offset from the rover along the ellipsoid: meridian and parallel arcs
    // at the mean latitude. They part from the rover's local horizon by a few parts in ten
    // thousand over these two kilometres (the heights differ).
    const double a = 6378137.0, e2 = 0.00669437999014, lat = (rover[0] + reference[0]) / 2;
    const double w = std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
    const double north = (reference[0] - rover[0]) * (a * (1 - e2) / (w * w * w) + rover[2]);
    const double east = (reference[1] - rover[1]) * (a / w + rover[2]) * std::cos(lat);

    VDXML_COORD geodetic;
    geodetic.Wgs84Llh.Flags = VDXML_GEODETIC::flagLatLon;
    geodetic.Wgs84Llh.Lat = rover[0], geodetic.Wgs84Llh.Lon = rover[1];
    VDXML_DCOORD cartesian;
    cartesian.Wgs84DXyz.Flags = VDXML_DCARTESIAN::flagDXyz;
    cartesian.Wgs84DXyz.DX = vector[0], cartesian.Wgs84DXyz.DY = vector[1];
    cartesian.Wgs84DXyz.DZ = vector[2];
    VDXML_DCOORD grid;
    grid.LocalDEnh.Flags = VDXML_DIFF_FLAGS::flagPosition;
    grid.LocalDEnh.DE = 1500, grid.LocalDEnh.DN = -1200;

    struct Case {
        const char* what;
        VDXML_COORD coord;
        VDXML_DCOORD difference;
        bool drawn;
        double east, north, tolerance;
    };
    const Case cases[] = {
        {"WGS 84 vector", geodetic, cartesian, true, 1000 + east, 2000 + north, 0.3},
        {"grid difference", VDXML_COORD(), grid, true, -500, 3200, 1e-9},
        {"WGS 84 vector without the rover's latitude", VDXML_COORD(), cartesian, false, 0, 0, 0},
        {"no vector", geodetic, VDXML_DCOORD(), false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Plan plan = ReadRover(c.coord, c.difference);
        ASSERT_EQ(plan.points.size(), 1u);
        EXPECT_EQ(plan.points[0].gnss, vdxml_cli::plot::GnssRole::kRover);
        ASSERT_EQ(plan.baselines.size(), 1u);
        EXPECT_EQ(plan.baselines[0].drawn, c.drawn);
        if (!c.drawn) continue;
        EXPECT_NEAR(plan.baselines[0].referenceEast, c.east, c.tolerance);
        EXPECT_NEAR(plan.baselines[0].referenceNorth, c.north, c.tolerance);
    }
}

}  // namespace

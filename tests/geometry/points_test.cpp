// Projects, points, coordinates and coordinate differences: every condition that adds or
// leaves out a child, decimals and dates, quality blocks with the coordinate quality and its
// choice order, polar elements derived from the zenith angle, in one golden file per element;
// the deviations and the coordinate quality of a Cartesian block against independent
// computations; the units of relative deviations by the document's units.
#include <gtest/gtest.h>

#include <limits>

#include "geometry_golden.h"

using namespace vdxml_test;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN(), kUnset = VDXML_UNDEFINED;

// The modified grid is written when the scale factor is not 0 (NaN included).
struct ProjectRow {
    const char* label;
    bool texts;
    double created, timezone, leapSecond, avgPos, avgHgt, scale;
};

const ProjectRow kProjects[] = {
    {"name only", false, 0, kUnset, kUnset, 0, 0, 0},
    {"every field", true, 53736.5, 0.0, 14.0 / 86400.0, 0.025, 0.04, 0.999876543210987},
    {"negative creation, height limit, grid without scale", false, -1, kUnset, kUnset, 0, 0.5, 0},
    {"position limit, negative height limit", false, 0, kUnset, kUnset, 0.01, -0.01, 0},
    {"NaN scale factor", false, 0, kUnset, kUnset, 0, 0, kNaN},
    {"time zone behind, no leap seconds", false, 0, -0.125, 0.0, 0, 0, 0},
};

// A point with a class has a note as well.
struct PointRow {
    const char* label;
    std::uint32_t cls, subClass;
    double epoch;
};

const PointRow kPoints[] = {
    {"every field", VDXML_PNT_CLASS_CONTROL, 14, 53736.25},
    {"subclass only", 0, 1, kUnset},
    {"epoch 0", 0, 0, 0.0},  // a date: 17 November 1858
    {"name only", 0, 0, kUnset},
};

// Derived classes write named sub-elements through the protected item-name writer.
class NamedPartPoint : public CVdXmlPoint {
  public:
    using CVdXmlPoint::InsertItemName;
};

constexpr std::uint8_t kGS = VDXML_COORD::flagGeoidSeparation;

// The dimension and the flags of each block and of the coordinate.
struct CoordRow {
    const char* label;
    VDXML_COORD_TYPE type;
    std::uint8_t wgs84Xyz = 0, wgs84Llh = 0, localXyz = 0, localLlh = 0, localEnh = 0, flags = 0;
};

const CoordRow kCoords[] = {
    {"local grid", kNone, 0, 0, 0, 0, 0x07},
    {"every block", k3D, 0x01, 0x07, 0x01, 0x01, 0x05, kGS},
    // Cartesian blocks only in three dimensions; their groups open empty otherwise.
    {"cartesian 2D", k2D, 0x01, 0, 0x01},
    {"cartesian 1D", k1D, 0x01, 0, 0x01},
    {"cartesian without dimension", kNone, 0x01, 0, 0x01},
    {"quality flags only", kNone, 0x10, 0x10, 0x10, 0x10, 0x18},  // 0x08 is no value bit
    // Quality of 1D (a height), 3D (Cartesian), 2D (a position) and 3D (both).
    {"quality dimension by values", kNone, 0, 0x12, 0x11, 0x11, 0x15},
    {"grid heights after the WGS 84 block", kNone, 0, 0x13, 0, 0, 0x16},
    // The coordinate quality from the first block with quality, in this order; quality without
    // values does not count. Each block has its own M0.
    {"quality of the local grid", k1D, 0x11, 0x13, 0x11, 0x13, 0x13},
    {"quality of the local geodetic", k1D, 0x11, 0x13, 0x11, 0x13, 0x03},
    {"quality of the WGS 84 geodetic", k1D, 0x11, 0x13, 0x11, 0x10, 0x03},
    {"quality of the WGS 84 cartesian", k1D, 0x11, 0x03, 0x11, 0x10, 0x03},
    {"quality of the local cartesian", k1D, 0x01, 0x03, 0x11, 0x10, 0x03},
    {"no quality", k1D, 0x01, 0x03, 0x01, 0x10, 0x03},
    {"coordinate quality without dimension", kNone, 0, 0, 0, 0, 0x17},
    {"coordinate quality 2D", k2D, 0, 0, 0, 0, 0x11},  // and a grid quality of 2D
    {"coordinate quality 1D", k1D, 0, 0, 0, 0, 0x17},
};

// Each block's quality has its own M0, so that the coordinate quality shows which it took;
// the Cartesian cofactors are isotropic, unchanged by the rotation into north, east, up.
VDXML_COORD Coord(const CoordRow& r) {
    VDXML_COORD c;
    c.Type = r.type;
    c.Flags = r.flags;
    c.GeoidSeparation = 52.2456789;
    c.Wgs84Xyz.Flags = r.wgs84Xyz;
    c.Wgs84Llh.Flags = r.wgs84Llh;
    c.LocalXyz.Flags = r.localXyz;
    c.LocalLlh.Flags = r.localLlh;
    c.LocalEnh.Flags = r.localEnh;
    c.Wgs84Xyz.X = c.LocalXyz.X = 4303123.1234567;
    c.Wgs84Xyz.Y = c.LocalXyz.Y = -1000456.5;
    c.Wgs84Xyz.Z = c.LocalXyz.Z = 4580789.000004;
    c.Wgs84Llh.Lat = 0.8123456789012;  // read back, the local one comes last and stays
    c.LocalLlh.Lat = 0.8124;
    c.Wgs84Llh.HE = 512.345678;
    c.Wgs84Xyz.Qlty = c.LocalXyz.Qlty = Q(4, 0.09, 0.09, 0.09);
    c.Wgs84Xyz.Qlty.Q12 = c.Wgs84Xyz.Qlty.Q13 = c.Wgs84Xyz.Qlty.Q23 = c.LocalXyz.Qlty.Q12 =
        c.LocalXyz.Qlty.Q13 = c.LocalXyz.Qlty.Q23 = 0;
    c.LocalXyz.Qlty.M0 = 5;
    c.Wgs84Llh.Qlty = Q(3, 0.25, 0.04, 0.09);
    c.LocalLlh.Qlty = Q(2, 0.25, 0.04, 0.09);
    c.LocalEnh.Qlty = Q(1, 0.16, 0.01, 0.49);
    return c;
}

const double kPi = 3.14159265358979323846;

// The flags of each block and of the difference.
struct DCoordRow {
    const char* label;
    std::uint16_t wgs84Xyz = 0, wgs84Llh = 0, localXyz = 0, localLlh = 0, localEnh = 0, flags = 0;
};

const DCoordRow kDCoords[] = {
    {"every block kind", 0x11, 0xC001, 0x01, 0x0001, 0x0061, 0x03},
    {"deviations without a block", 0, 0x1000, 0, 0x3010, 0},
    {"distances without a block", 0x10, 0xC000, 0, 0, 0x4060},  // 0x4000 is nothing in a grid
    // Grid: azimuth, direction and the geodetic D2D bit; geodetic: azimuth and the grid bits.
    {"grid and geodetic bits differ", 0, 0, 0, 0x0160, 0xC100},
    {"angles reduced by whole turns", 0, 0, 0, 0, 0x8300},
    {"from zenith and slope distance", 0, 0x0600},
    {"from zenith and horizontal distance", 0, 0x0A00},
    {"from zenith and height difference", 0, 0x0204},  // either bit gives the difference
    {"slope distance before horizontal", 0, 0x0E00},   // DH = 100 cos z, not 50 / tan z
    {"nothing derived without zenith", 0, 0x0C02},
    {"horizontal distance alone", 0, 0x0800},
    {"quality of a position and of a height", 0, 0x3011, 0, 0, 0x0014},
    {"quality of both and absolute deviations", 0, 0, 0, 0, 0x1013},
};

// The polar elements give the derived ones: DH 100 cos z, or 50 / tan z, or slope and
// horizontal distances 5 / cos z and 5 tan z.
template <class Block>
Block Polar(std::uint16_t flags) {
    Block b;
    b.Flags = flags;
    b.DH = 5.0;
    b.Azi = 7.0;
    b.Zen = kPi / 3 + 4 * kPi;
    b.DistS = 100.0;
    b.DistHz = 50.0;
    b.Qlty = Q(2.0, 0.25, 0.01, 0.0004);
    b.SdAbs.Flags = 0x7F;
    b.SdRel.Flags = 0x28;
    return b;
}

VDXML_DCOORD DCoord(const DCoordRow& r) {
    VDXML_DCOORD d;
    d.Flags = r.flags;
    d.Wgs84DXyz.Flags = r.wgs84Xyz;
    d.LocalDXyz.Flags = r.localXyz;
    d.Wgs84DXyz.Qlty = d.LocalDXyz.Qlty = Q(1.0, 0.0004, 0.0009, 0.0016);
    d.Wgs84DLlh = d.LocalDLlh = Polar<VDXML_DGEODETIC>(r.wgs84Llh);
    d.LocalDLlh.Flags = r.localLlh;
    d.LocalDEnh = Polar<VDXML_DGRID>(r.localEnh);
    d.LocalDEnh.Dir = -7.0;
    return d;
}

}  // namespace

TEST(ProjectPoint, Golden) {
    GoldenDocument d("points");
    CVdXmlProject project;
    for (const ProjectRow& row : kProjects) {
        VDXML_PROJECT p;
        p.Name = row.label;
        if (row.texts) {
            p.Note = L"north sector";
            p.Manager = L"M. Muster";
            p.Client = L"City";
            p.Street = L"Main Street 1";
            p.MapRef = L"1091";
        }
        p.Created = row.created;
        p.Timezone = row.timezone;
        p.LeapSecond = row.leapSecond;
        p.AvgLimit.Pos = row.avgPos;
        p.AvgLimit.Hgt = row.avgHgt;
        p.ModifiedGrid.ScaleFactor = row.scale;
        EXPECT_EQ(d.doc.InsertProject(p, project), S_OK) << row.label;
        EXPECT_EQ(CVdXmlDocument().InsertProject(p, project), E_FAIL);  // no document begun
        // The wrapper holds the row's own sub-elements only.
        EXPECT_EQ(project.GetNode(CVdXmlProject::NODE_MODIFIEDGRID) != nullptr, row.scale != 0);
    }
    for (const PointRow& row : kPoints) {
        VDXML_POINT p;
        p.Name = row.label;
        p.Note = row.cls ? L"bolt" : L"";
        p.Class = row.cls;
        p.SubClass = row.subClass;
        p.Epoch = row.epoch;
        EXPECT_EQ(d.project.InsertPoint(p, d.point), S_OK) << row.label;
    }
    // Every class and subclass code has its text.
    for (std::uint32_t code = 1; code <= 14; ++code) {
        VDXML_POINT p;
        p.Name = _bstr_t(("code " + std::to_string(code)).c_str());
        p.Class = code <= VDXML_PNT_CLASS_CONTROL ? code : 0;
        p.SubClass = code;
        EXPECT_EQ(d.project.InsertPoint(p, d.point), S_OK) << code;
    }
    // Named sub-elements through the protected item-name writer: one per table id.
    const auto id = static_cast<CVdXmlPoint::enmNode>(5);
    NamedPartPoint point;
    VDXML_POINT named;
    named.Name = L"named part";
    ASSERT_EQ(d.project.InsertPoint(named, point), S_OK);
    VDXML_ITEMNAME part;
    CVdXmlNode* out = nullptr;
    EXPECT_EQ(point.InsertItemName(point, id, L"Part", part, out), E_FAIL);  // no name
    part.Name = L"Cover";
    part.Note = L"cast iron";
    ASSERT_EQ(point.InsertItemName(point, id, L"Part", part, out), S_OK);
    EXPECT_EQ(point.GetNode(id), out);
    EXPECT_EQ(point.InsertItemName(point, id, L"Part", part, out), E_FAIL);  // id taken
    EXPECT_EQ(d.ExpectGoldens("project"), "");
}

TEST(Coord, Golden) {
    GoldenDocument d("coordinates");
    CVdXmlCoord coord;
    for (const CoordRow& row : kCoords) {
        EXPECT_EQ(d.Point(row.label).InsertCoord(Coord(row), coord), S_OK) << row.label;
    }
    // A NaN cofactor is skipped as unset; its deviation and the sums with it count as 0.
    VDXML_COORD c = Coord({"", kNone, 0, 0, 0, 0x11});
    c.LocalLlh.Qlty = Q(3.0, -0.0001, kNaN, 1.0);
    EXPECT_EQ(d.Point("negative and NaN cofactors").InsertCoord(c, coord), S_OK);
    const CVdXmlPoint& codes = d.Point("every source and averaging code");
    for (std::uint32_t code = VDXML_SOURCE_PEN; code <= VDXML_SOURCE_USER_ENTERED; ++code) {
        c = Coord({"", k3D, 0, 0, 0, 0, 0x01, kGS});
        c.SourcePos = c.SourceHgt = code;
        c.AvgStatus = static_cast<std::uint8_t>(code);
        EXPECT_EQ(codes.InsertCoord(c, coord), S_OK) << code;
    }
    c.AvgStatus = 0x30;  // bits without a text: the entry is written, then the writer stops
    EXPECT_EQ(codes.InsertCoord(c, coord), E_FAIL);
    // The text of an averaging status joins those of its known bits in order.
    EXPECT_EQ(VdXml::AvgStatusText(0x05), _bstr_t(L"Use never, Not used"));
    EXPECT_EQ(VdXml::AvgStatusText(0x1A), _bstr_t(L"Use always, Out of limit"));
    // Anisotropic Cartesian cofactors: the coordinate quality takes their rotation into north,
    // east, up at the block's own position, checked against an independent rotation below.
    const double lat = 0.82, lon = 0.14, h = 450.0, e2 = 0.00669437999014;
    const double n = 6378137.0 / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
    c = Coord({"", kNone, 0x11});
    c.Wgs84Xyz.X = (n + h) * std::cos(lat) * std::cos(lon);
    c.Wgs84Xyz.Y = (n + h) * std::cos(lat) * std::sin(lon);
    c.Wgs84Xyz.Z = (n * (1 - e2) + h) * std::sin(lat);
    const VDXML_QLTY q = c.Wgs84Xyz.Qlty = Q(1.5, 9.0e-4, 1.0e-4, 1.0e-4);
    EXPECT_EQ(d.Point("rotated cartesian quality").InsertCoord(c, coord), S_OK);
    // The block writers on any node refuse a block without values; a height is enough.
    const CVdXmlPoint& any = d.Point("block writers");
    c = Coord({"", kNone, 0x10, 0x18, 0, 0, 0x04});
    EXPECT_EQ(any.InsertQlty(kNone, c.LocalEnh.Qlty), E_FAIL);
    EXPECT_EQ(any.InsertCQ(kNone, c.LocalEnh.Qlty), E_FAIL);
    EXPECT_EQ(any.InsertCartesian(c.Wgs84Xyz), E_FAIL);
    EXPECT_EQ(any.InsertGeodetic(c.Wgs84Llh), E_FAIL);
    EXPECT_EQ(any.InsertGrid(c.LocalEnh), S_OK);
    EXPECT_EQ(d.ExpectGoldens("coord"), "");
    const XmlTree written = LoadXmlTree(d.path);
    ExpectDeviationsFromCofactors(written);

    // The variance along the local vertical; north and east share what is left of the trace,
    // which a rotation leaves as it is.
    const double up[3] = {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon),
                          std::sin(lat)};
    const double vertical =
        q.Q11 * up[0] * up[0] + q.Q22 * up[1] * up[1] + q.Q33 * up[2] * up[2] +
        2 * (q.Q12 * up[0] * up[1] + q.Q13 * up[0] * up[2] + q.Q23 * up[1] * up[2]);
    const double trace = q.Q11 + q.Q22 + q.Q33;
    ASSERT_GT(std::fabs(std::sqrt(vertical) - std::sqrt(q.Q33)) * q.M0, 1e-3);  // not unrotated
    const XmlTree& project = *written.child("Application")->child("Project");
    const XmlTree& cq = *project.child("Pnt", std::size(kCoords) + 2)->child("Crd")->child("CQ");
    EXPECT_NEAR(std::stod(cq.childText("Pos")), std::sqrt(trace - vertical) * q.M0, 6e-6);
    EXPECT_NEAR(std::stod(cq.childText("Hgt")), std::sqrt(vertical) * q.M0, 6e-6);
    EXPECT_NEAR(std::stod(cq.childText("PosHgt")), std::sqrt(trace) * q.M0, 6e-6);
}

TEST(DCoord, Golden) {
    GoldenDocument d("differences");
    CVdXmlDCoord dcoord;
    for (const DCoordRow& row : kDCoords) {
        EXPECT_EQ(d.Point(row.label).InsertDCoord(DCoord(row), dcoord), S_OK) << row.label;
    }
    // The block writers on any node: a Cartesian or geodetic difference needs values, a grid
    // difference's D2D alone is enough.
    const CVdXmlPoint& any = d.Point("block writers");
    const VDXML_DCOORD none = DCoord({"", 0x10, 0x1010, 0, 0, 0x0020});
    EXPECT_EQ(any.InsertDCartesian(none.Wgs84DXyz), E_FAIL);
    EXPECT_EQ(any.InsertDGeodetic(none.Wgs84DLlh), E_FAIL);
    EXPECT_EQ(any.InsertDGrid(none.LocalDEnh), S_OK);
    EXPECT_EQ(d.ExpectGoldens("dcoord"), "");
    ExpectDeviationsFromCofactors(LoadXmlTree(d.path));
}

// Relative deviations are followed by their unit, named by the document's units: a unit
// without a name stops the writer after the deviation that needs it.
TEST(DCoord, RelativeDeviationUnits) {
    struct Case {
        std::uint32_t linear, angular, deviations;
        long status;
        std::size_t written;  // deviations, each followed by its unit
    };
    const Case cases[] = {
        {2, 1, 0x7F, S_OK, 7},    // US feet
        {3, 1, 0x20, S_OK, 1},    // international feet
        {0, 1, 0x7F, E_FAIL, 6},  // up to the height difference
        {1, 0, 0x68, S_OK, 3},    // distances in ppm whatever the units
        {1, 0, 0x7F, E_FAIL, 1},  // the azimuth
    };
    for (const Case& c : cases) {
        VDXML_ROOT root = SampleRoot();
        root.Units.Linear = c.linear;
        root.Units.Angular = c.angular;
        GoldenDocument d(nullptr, root);
        VDXML_DCOORD dc = DCoord({"", 0, 0, 0, 0, 0x2001});
        dc.LocalDEnh.SdRel.Flags = c.deviations;
        CVdXmlDCoord dcoord;
        EXPECT_EQ(d.Application().InsertDCoord(dc, dcoord), c.status) << c.linear << c.angular;
        ASSERT_EQ(d.doc.Save(), S_OK);
        const XmlTree tree = LoadXmlTree(d.path);
        const XmlTree* sdRel = &tree;
        for (const char* name : {"Application", "DCrd", "Lcl", "DENH", "SdRel"})
            sdRel = sdRel ? sdRel->child(name) : nullptr;
        ASSERT_NE(sdRel, nullptr);
        EXPECT_EQ(sdRel->children.size(), c.written) << c.linear << c.angular;
    }
}

// Writing coordinates: the blocks under each flag combination, the dimension rules, decimals,
// enumerated entries, quality blocks and the coordinate quality with its choice order.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometry_fixture.h"

using namespace vdxml_test;

namespace {

VDXML_QLTY Quality(double m0, double q11, double q22, double q33) {
    VDXML_QLTY q;
    q.M0 = m0;
    q.Q11 = q11;
    q.Q12 = 0.000125;
    q.Q13 = -0.000250;
    q.Q22 = q22;
    q.Q23 = 0.000375;
    q.Q33 = q33;
    return q;
}

VDXML_CARTESIAN Cartesian(double x, double y, double z, std::uint8_t flags = 0x01) {
    VDXML_CARTESIAN c;
    c.Flags = flags;
    c.X = x;
    c.Y = y;
    c.Z = z;
    return c;
}

VDXML_GEODETIC Geodetic(std::uint8_t flags) {
    VDXML_GEODETIC g;
    g.Flags = flags;
    g.Lat = 0.8123456789012;
    g.Lon = -0.123456789;
    g.HE = 512.345678;
    g.HO = 460.1;
    return g;
}

VDXML_GRID Grid(std::uint8_t flags) {
    VDXML_GRID g;
    g.Flags = flags;
    g.E = 600123.456789;
    g.N = 200456.5;
    g.HE = 512.3;
    g.HO = 460.123456;
    return g;
}

// The coordinate quality ("CQ") entries as numbers.
struct CqValues {
    double pos, hgt, posHgt;
};

}  // namespace

class CoordWrite : public GeometryTest {
  protected:
    void SetUp() override {
        GeometryTest::SetUp();
        StartPoint();
    }
    long Write(const VDXML_COORD& c) { return Point().InsertCoord(c, m_coord); }

    CVdXmlCoord m_coord;
};

TEST_P(CoordWrite, RefusedWithoutParentDocumentButNoNameNeeded) {
    CVdXmlNode orphan;
    EXPECT_EQ(m_coord.Create(orphan, VDXML_COORD()), E_FAIL);
    EXPECT_EQ(Write(VDXML_COORD()), S_OK);
    Written();
    EXPECT_TRUE(Below("Crd").children.empty());
    EXPECT_EQ(m_coord.GetNode(CVdXmlCoord::NODE_WGS84), nullptr);
}

TEST_P(CoordWrite, LocalGridOnly) {
    VDXML_COORD c;
    c.LocalEnh = Grid(0x07);
    ASSERT_EQ(Write(c), S_OK);
    EXPECT_EQ(m_coord.GetNode(CVdXmlCoord::NODE_WGS84), nullptr);
    EXPECT_NE(m_coord.GetNode(CVdXmlCoord::NODE_LOCAL), nullptr);
    EXPECT_EQ(m_coord.GetNode(CVdXmlCoord::NODE_CQ), nullptr);
    Written();
    EXPECT_EQ(Below("Crd").childNames(), Names{"Lcl"});
    EXPECT_EQ(Below("Crd/Lcl").childNames(), Names{"ENH"});
    const XmlTree& enh = Below("Crd/Lcl/ENH");
    EXPECT_EQ(enh.childNames(), (Names{"E", "N", "HE", "HO"}));
    EXPECT_EQ(enh.childText("E"), "600123.45679");
    EXPECT_EQ(enh.childText("N"), "200456.50000");
    EXPECT_EQ(enh.childText("HE"), "512.30000");
    EXPECT_EQ(enh.childText("HO"), "460.12346");
}

TEST_P(CoordWrite, EveryBlockInOrderWithItsDecimals) {
    VDXML_COORD c;
    c.Type = VDXML_COORD_TYPE_3D;
    c.SourcePos = VDXML_SOURCE_GPS;
    c.SourceHgt = VDXML_SOURCE_LEVEL;
    c.AvgStatus = 0x05;
    c.Wgs84Xyz = Cartesian(4303123.1234567, 1000456.5, 4580789.000004);
    c.Wgs84Llh = Geodetic(0x07);
    c.LocalXyz = Cartesian(1.5, -2.25, 3.125);
    c.LocalLlh = Geodetic(0x01);
    c.LocalEnh = Grid(0x05);
    c.Flags = VDXML_COORD::flagGeoidSeparation;
    c.GeoidSeparation = 52.2456789;
    ASSERT_EQ(Write(c), S_OK);
    Written();
    const XmlTree& crd = Below("Crd");
    EXPECT_EQ(crd.childNames(), (Names{"Type", "SPos", "SHgt", "AvgStat", "W84", "Lcl", "GS"}));
    EXPECT_EQ(crd.childText("Type"), "3");
    EXPECT_EQ(crd.childText("SPos"), "6");
    EXPECT_EQ(crd.childText("SHgt"), "5");
    EXPECT_EQ(crd.childText("AvgStat"), "5");
    EXPECT_EQ(crd.childText("GS"), "52.24568");
    EXPECT_EQ(Path(crd, "W84").childNames(), (Names{"XYZ", "LLH"}));
    EXPECT_EQ(Path(crd, "W84/XYZ").childNames(), (Names{"X", "Y", "Z"}));
    EXPECT_EQ(Path(crd, "W84/XYZ/X").text, "4303123.12346");
    EXPECT_EQ(Path(crd, "W84/XYZ/Z").text, "4580789.00000");
    EXPECT_EQ(Path(crd, "W84/LLH").childNames(), (Names{"Lat", "Lon", "HE", "HO"}));
    EXPECT_EQ(Path(crd, "W84/LLH/Lat").text, "0.812345678901200");
    EXPECT_EQ(Path(crd, "W84/LLH/Lon").text, "-0.123456789000000");
    EXPECT_EQ(Path(crd, "W84/LLH/HE").text, "512.34568");
    EXPECT_EQ(Path(crd, "Lcl").childNames(), (Names{"XYZ", "LLH", "ENH"}));
    EXPECT_EQ(Path(crd, "Lcl/XYZ/Y").text, "-2.25000");
    EXPECT_EQ(Path(crd, "Lcl/LLH").childNames(), (Names{"Lat", "Lon"}));
    EXPECT_EQ(Path(crd, "Lcl/ENH").childNames(), (Names{"E", "N", "HO"}));
}

TEST_P(CoordWrite, CartesianBlocksOnlyForThreeDimensions) {
    for (VDXML_COORD_TYPE type :
         {VDXML_COORD_TYPE_2D, VDXML_COORD_TYPE_1D, VDXML_COORD_TYPE_NONE, VDXML_COORD_TYPE_3D}) {
        VDXML_COORD c;
        c.Type = type;
        c.Wgs84Xyz = Cartesian(1, 2, 3);
        c.LocalXyz = Cartesian(4, 5, 6);
        ASSERT_EQ(Write(c), S_OK) << type;
        // The group elements are opened by the Cartesian values even when they stay empty.
        EXPECT_NE(m_coord.GetNode(CVdXmlCoord::NODE_WGS84), nullptr);
        EXPECT_NE(m_coord.GetNode(CVdXmlCoord::NODE_LOCAL), nullptr);
    }
    Written();
    const XmlTree& pnt = Below("");
    ASSERT_EQ(pnt.count("Crd"), 4u);
    EXPECT_EQ(pnt.child("Crd", 0)->childNames(), (Names{"Type", "W84", "Lcl"}));
    EXPECT_TRUE(Path(*pnt.child("Crd", 0), "W84").children.empty());
    EXPECT_TRUE(Path(*pnt.child("Crd", 0), "Lcl").children.empty());
    EXPECT_TRUE(Path(*pnt.child("Crd", 1), "W84").children.empty());
    EXPECT_EQ(Path(*pnt.child("Crd", 2), "W84").childNames(), Names{"XYZ"});
    EXPECT_EQ(Path(*pnt.child("Crd", 2), "Lcl").childNames(), Names{"XYZ"});
    EXPECT_EQ(Path(*pnt.child("Crd", 3), "W84").childNames(), Names{"XYZ"});
}

TEST_P(CoordWrite, QualityOnlyFlagsOpenNoBlock) {
    VDXML_COORD c;
    c.Wgs84Llh.Flags = 0x10;
    c.LocalEnh.Flags = 0x18;  // 0x08 is not a value bit
    c.LocalXyz.Flags = 0x10;
    c.LocalXyz.Qlty = Quality(1, 1, 1, 1);
    ASSERT_EQ(Write(c), S_OK);
    Written();
    EXPECT_TRUE(Below("Crd").children.empty());
}

TEST_P(CoordWrite, QualityDimensionFollowsTheBlocksValues) {
    VDXML_COORD c;
    c.Wgs84Llh = Geodetic(0x12);  // ellipsoidal height only: 1D
    c.Wgs84Llh.Qlty = Quality(2.0, 0.25, 0.04, 0.09);
    c.LocalLlh = Geodetic(0x11);  // position only: 2D
    c.LocalLlh.Qlty = Quality(2.0, 0.25, 0.04, 0.09);
    c.LocalEnh = Grid(0x15);  // position and orthometric height: 3D
    c.LocalEnh.Qlty = Quality(2.0, 0.25, 0.04, 0.09);
    c.LocalXyz = Cartesian(1, 2, 3, 0x11);  // always 3D
    c.LocalXyz.Qlty = Quality(0.5, 4.0, 0.0, 1.0);
    ASSERT_EQ(Write(c), S_OK);
    Written();
    EXPECT_EQ(Below("Crd/W84/LLH").childNames(), (Names{"HE", "Qlty"}));
    const XmlTree& oneD = Below("Crd/W84/LLH/Qlty");
    EXPECT_EQ(oneD.childNames(), (Names{"M0", "Q33", "Sd3"}));
    EXPECT_EQ(oneD.childText("M0"), "2.00000");
    EXPECT_EQ(oneD.childText("Q33"), "0.09000000");
    EXPECT_EQ(oneD.childText("Sd3"), "0.60000");
    const XmlTree& twoD = Below("Crd/Lcl/LLH/Qlty");
    EXPECT_EQ(twoD.childNames(), (Names{"M0", "Q11", "Q12", "Q22", "Sd1", "Sd2"}));
    EXPECT_EQ(twoD.childText("Q12"), "0.00012500");
    EXPECT_EQ(twoD.childText("Sd1"), "1.00000");
    EXPECT_EQ(twoD.childText("Sd2"), "0.40000");
    const XmlTree& threeD = Below("Crd/Lcl/ENH/Qlty");
    EXPECT_EQ(threeD.childNames(),
              (Names{"M0", "Q11", "Q12", "Q13", "Q22", "Q23", "Q33", "Sd1", "Sd2", "Sd3"}));
    EXPECT_EQ(threeD.childText("Q13"), "-0.00025000");
    EXPECT_EQ(threeD.childText("Q23"), "0.00037500");
    const XmlTree& xyz = Below("Crd/Lcl/XYZ/Qlty");
    EXPECT_EQ(xyz.childNames(), threeD.childNames());
    EXPECT_EQ(xyz.childText("Sd1"), "1.00000");
    EXPECT_EQ(xyz.childText("Sd2"), "0.00000");
    EXPECT_EQ(xyz.childText("Sd3"), "0.50000");
    for (const XmlTree* q : {&oneD, &twoD, &threeD, &xyz})
        for (const XmlTree& e : q->children)
            EXPECT_EQ(IsComputed(e), e.name.rfind("Sd", 0) == 0) << e.name;
}

TEST_P(CoordWrite, NegativeAndNaNCofactorsGiveZeroDeviations) {
    VDXML_COORD c;
    c.LocalLlh = Geodetic(0x11);
    c.LocalLlh.Qlty = Quality(3.0, -0.0001, std::numeric_limits<double>::quiet_NaN(), 1.0);
    ASSERT_EQ(Write(c), S_OK);
    Written();
    const XmlTree& q = Below("Crd/Lcl/LLH/Qlty");
    // The NaN cofactor itself is skipped as unset; its deviation is clamped to 0.
    EXPECT_EQ(q.childNames(), (Names{"M0", "Q11", "Q12", "Sd1", "Sd2"}));
    EXPECT_EQ(q.childText("Q11"), "-0.00010000");
    EXPECT_EQ(q.childText("Sd1"), "0.00000");
    EXPECT_EQ(q.childText("Sd2"), "0.00000");
    // The coordinate quality sums first, then clamps: -0.0001 + NaN is NaN, so 0.
    EXPECT_EQ(Below("Crd/CQ").childText("Pos"), "0.00000");
    EXPECT_EQ(Below("Crd/CQ").childText("Hgt"), "3.00000");
}

TEST_P(CoordWrite, CoordinateQualityChoiceOrder) {
    // Each block carries quality with its own M0, so the chosen block shows in "CQ/Hgt"
    // (Q33 = 1 everywhere). Removing the chosen block's quality moves on to the next.
    VDXML_COORD c;
    c.Type = VDXML_COORD_TYPE_1D;
    c.LocalEnh = Grid(0x13);
    c.LocalEnh.Qlty = Quality(1, 0, 0, 1);
    c.LocalLlh = Geodetic(0x13);
    c.LocalLlh.Qlty = Quality(2, 0, 0, 1);
    c.Wgs84Llh = Geodetic(0x13);
    c.Wgs84Llh.Qlty = Quality(3, 0, 0, 1);
    // Cartesian cofactors isotropic: the rotation into north, east, up leaves Q33 = 1.
    c.Wgs84Xyz = Cartesian(4000000, 1000000, 4800000, 0x11);
    c.Wgs84Xyz.Qlty = Quality(4, 1, 1, 1);
    c.Wgs84Xyz.Qlty.Q12 = c.Wgs84Xyz.Qlty.Q13 = c.Wgs84Xyz.Qlty.Q23 = 0;
    c.LocalXyz = c.Wgs84Xyz;
    c.LocalXyz.Qlty.M0 = 5;
    const char* expected[] = {"1.00000", "2.00000", "3.00000", "4.00000", "5.00000"};
    VDXML_COORD step = c;
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(Write(step), S_OK);
        EXPECT_NE(m_coord.GetNode(CVdXmlCoord::NODE_CQ), nullptr);
        if (i == 0) step.LocalEnh.Flags &= ~0x10;
        if (i == 1) step.LocalLlh.Flags = 0x10;  // quality without values does not count
        if (i == 2) step.Wgs84Llh.Flags &= ~0x10;
        if (i == 3) step.Wgs84Xyz.Flags &= ~0x10;
    }
    step.LocalXyz.Flags &= ~0x10;
    ASSERT_EQ(Write(step), S_OK);
    EXPECT_EQ(m_coord.GetNode(CVdXmlCoord::NODE_CQ), nullptr);
    Written();
    const XmlTree& pnt = Below("");
    ASSERT_EQ(pnt.count("Crd"), 6u);
    for (int i = 0; i < 5; ++i) {
        const XmlTree& cq = Path(*pnt.child("Crd", i), "CQ");
        EXPECT_EQ(cq.childNames(), Names{"Hgt"}) << i;  // dimension 1
        EXPECT_EQ(cq.childText("Hgt"), expected[i]) << i;
        EXPECT_TRUE(IsComputed(*cq.child("Hgt")));
    }
    EXPECT_EQ(pnt.child("Crd", 5)->count("CQ"), 0u);
}

TEST_P(CoordWrite, CoordinateQualityDimensionFromType) {
    VDXML_COORD c;
    c.LocalEnh = Grid(0x17);
    c.LocalEnh.Qlty = Quality(2.0, 0.09, 0.16, 0.36);
    for (VDXML_COORD_TYPE type :
         {VDXML_COORD_TYPE_NONE, VDXML_COORD_TYPE_2D, VDXML_COORD_TYPE_1D, VDXML_COORD_TYPE_3D}) {
        c.Type = type;
        ASSERT_EQ(Write(c), S_OK);
    }
    Written();
    const XmlTree& pnt = Below("");
    const XmlTree& none = Path(*pnt.child("Crd", 0), "CQ");
    EXPECT_EQ(none.childNames(), (Names{"Pos", "Hgt", "PosHgt"}));
    EXPECT_EQ(none.childText("Pos"), "1.00000");     // sqrt(0.25) * 2
    EXPECT_EQ(none.childText("Hgt"), "1.20000");     // sqrt(0.36) * 2
    EXPECT_EQ(none.childText("PosHgt"), "1.56205");  // sqrt(0.61) * 2
    for (const XmlTree& e : none.children) EXPECT_TRUE(IsComputed(e)) << e.name;
    EXPECT_EQ(Path(*pnt.child("Crd", 1), "CQ").childNames(), Names{"Pos"});
    EXPECT_EQ(Path(*pnt.child("Crd", 2), "CQ").childNames(), Names{"Hgt"});
    EXPECT_EQ(Path(*pnt.child("Crd", 3), "CQ").childNames(), none.childNames());
    // "CQ" comes last, after the geoid separation would.
    EXPECT_EQ(pnt.child("Crd", 0)->childNames(), (Names{"Lcl", "CQ"}));
}

namespace {
// Geocentric coordinates of a geodetic position on WGS 84.
void GeodeticToXyz(double lat, double lon, double h, double& x, double& y, double& z) {
    const double a = 6378137.0, f = 1.0 / 298.257223563, e2 = f * (2 - f);
    const double n = a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
    x = (n + h) * std::cos(lat) * std::cos(lon);
    y = (n + h) * std::cos(lat) * std::sin(lon);
    z = (n * (1 - e2) + h) * std::sin(lat);
}

// R Q R^T with the rows of R the north, east and up unit vectors at lat, lon.
void RotateToNorthEastUp(double lat, double lon, const VDXML_QLTY& q, double out[3][3]) {
    const double sl = std::sin(lat), cl = std::cos(lat), so = std::sin(lon), co = std::cos(lon);
    const double r[3][3] = {{-sl * co, -sl * so, cl}, {-so, co, 0}, {cl * co, cl * so, sl}};
    const double m[3][3] = {{q.Q11, q.Q12, q.Q13}, {q.Q12, q.Q22, q.Q23}, {q.Q13, q.Q23, q.Q33}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            out[i][j] = 0;
            for (int k = 0; k < 3; ++k)
                for (int l = 0; l < 3; ++l) out[i][j] += r[i][k] * m[k][l] * r[j][l];
        }
}
}  // namespace

TEST_P(CoordWrite, CartesianQualityIsRotatedIntoNorthEastUp) {
    const double lat = 0.82, lon = 0.14, h = 450.0;  // about 47 N, 8 E
    VDXML_COORD wgs, local;
    GeodeticToXyz(lat, lon, h, wgs.Wgs84Xyz.X, wgs.Wgs84Xyz.Y, wgs.Wgs84Xyz.Z);
    wgs.Wgs84Xyz.Flags = 0x11;
    VDXML_QLTY& q = wgs.Wgs84Xyz.Qlty;
    q.M0 = 1.5;
    q.Q11 = 9.0e-4;
    q.Q12 = 0.5e-4;
    q.Q13 = 2.5e-4;
    q.Q22 = 1.0e-4;
    q.Q23 = 0.8e-4;
    q.Q33 = 1.0e-4;
    local.LocalXyz = wgs.Wgs84Xyz;
    ASSERT_EQ(Write(wgs), S_OK);
    ASSERT_EQ(Write(local), S_OK);

    double neu[3][3];
    RotateToNorthEastUp(lat, lon, q, neu);
    const CqValues want = {std::sqrt(neu[0][0] + neu[1][1]) * q.M0, std::sqrt(neu[2][2]) * q.M0,
                           std::sqrt(neu[0][0] + neu[1][1] + neu[2][2]) * q.M0};
    // Unrotated, the height would differ far beyond the written decimals.
    ASSERT_GT(std::fabs(std::sqrt(q.Q33) * q.M0 - want.hgt), 1e-3);

    Written();
    const XmlTree& pnt = Below("");
    for (std::size_t i = 0; i < 2; ++i) {
        const XmlTree& cq = Path(*pnt.child("Crd", i), "CQ");
        EXPECT_NEAR(std::stod(cq.childText("Pos")), want.pos, 6e-6) << i;
        EXPECT_NEAR(std::stod(cq.childText("Hgt")), want.hgt, 6e-6) << i;
        EXPECT_NEAR(std::stod(cq.childText("PosHgt")), want.posHgt, 6e-6) << i;
    }
    // The quality below "XYZ" keeps the cofactors as given.
    const XmlTree& given = Path(*pnt.child("Crd", 0), "W84/XYZ/Qlty");
    EXPECT_EQ(given.childText("Q11"), "0.00090000");
    EXPECT_EQ(given.childText("Q33"), "0.00010000");
    EXPECT_EQ(given.childText("Sd3"), "0.01500");
    EXPECT_EQ(Path(*pnt.child("Crd", 1), "Lcl/XYZ/Qlty").childText("Q13"), "0.00025000");
}

TEST_P(CoordWrite, EnumeratedCodesWithoutTextStopAfterTheirEntry) {
    VDXML_COORD badType;
    badType.Type = static_cast<VDXML_COORD_TYPE>(4);
    badType.SourcePos = 1;
    VDXML_COORD badSource;
    badSource.SourcePos = 10;
    VDXML_COORD badHeightSource;
    badHeightSource.SourcePos = 1;
    badHeightSource.SourceHgt = 0xFFFFFFFFu;
    VDXML_COORD badStatus;
    badStatus.AvgStatus = 0x30;  // only bits above 0x08
    badStatus.LocalEnh = Grid(0x01);
    for (const VDXML_COORD* c : {&badType, &badSource, &badHeightSource, &badStatus})
        EXPECT_EQ(Write(*c), E_FAIL);
    EXPECT_EQ(m_coord.GetNode(CVdXmlCoord::NODE_LOCAL), nullptr);
    Written();
    const XmlTree& pnt = Below("");
    EXPECT_EQ(pnt.child("Crd", 0)->childNames(), Names{"Type"});
    EXPECT_EQ(pnt.child("Crd", 0)->childText("Type"), "4");
    EXPECT_EQ(pnt.child("Crd", 1)->childNames(), Names{"SPos"});
    EXPECT_EQ(pnt.child("Crd", 2)->childNames(), (Names{"SPos", "SHgt"}));
    EXPECT_EQ(pnt.child("Crd", 2)->childText("SHgt"), "4294967295");
    EXPECT_EQ(pnt.child("Crd", 3)->childNames(), Names{"AvgStat"});
    EXPECT_EQ(pnt.child("Crd", 3)->childText("AvgStat"), "48");
}

TEST_P(CoordWrite, GenericBlockWritersRefuseMissingData) {
    VDXML_QLTY q = Quality(1, 1, 1, 1);
    EXPECT_EQ(Point().InsertQlty(VDXML_COORD_TYPE_NONE, q), E_FAIL);
    EXPECT_EQ(Point().InsertCQ(VDXML_COORD_TYPE_NONE, q), E_FAIL);
    EXPECT_EQ(Point().InsertCartesian(Cartesian(1, 2, 3, 0x10)), E_FAIL);
    EXPECT_EQ(Point().InsertGeodetic(Geodetic(0x18)), E_FAIL);
    EXPECT_EQ(Point().InsertGrid(Grid(0x10)), E_FAIL);
    // Heights alone are enough for the geodetic and grid writers.
    EXPECT_EQ(Point().InsertGrid(Grid(0x04)), S_OK);
    Written();
    EXPECT_EQ(Below("").childNames(), (Names{"Name", "HO"}));
}

VDXML_INSTANTIATE_BOTH_BACKENDS(CoordWrite);

// Writing coordinate differences: which flags open which blocks, the derived height
// differences and distances with their computed mark, angle reduction, quality and
// deviations, and the units of relative deviations by the document's units.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry_fixture.h"
#include "vdxml/geometry_texts.h"

using namespace vdxml_test;

namespace {

const double kPi = 3.14159265358979323846;

VDXML_DGRID GridDiff(std::uint16_t flags) {
    VDXML_DGRID d;
    d.Flags = flags;
    d.DE = 12.345678;
    d.DN = -6.5;
    return d;
}

VDXML_DGEODETIC GeodeticDiff(std::uint16_t flags) {
    VDXML_DGEODETIC d;
    d.Flags = flags;
    d.DLat = 0.0000123;
    d.DLon = -0.0000456;
    return d;
}

VDXML_SD AllDeviations() {
    VDXML_SD sd;
    sd.Flags = 0x7F;
    sd.SdAzi = 0.0000015;
    sd.SdDir = 0.0000025;
    sd.SdZen = 0.0000035;
    sd.SdDistS = 0.0015;
    sd.SdDistHz = 0.0025;
    sd.SdDH = 0.0035;
    sd.SdBl = 0.0045;
    return sd;
}

}  // namespace

class DCoordWrite : public GeometryTest {
  protected:
    void SetUp() override {
        GeometryTest::SetUp();
        StartPoint();
    }
    long Write(const VDXML_DCOORD& d) { return Point().InsertDCoord(d, m_dcoord); }
    long WriteLocalGrid(const VDXML_DGRID& g) {
        VDXML_DCOORD d;
        d.LocalDEnh = g;
        return Write(d);
    }
    /// After Written(): the i-th "DCrd" of the point.
    const XmlTree& DCrd(std::size_t i) {
        const XmlTree* d = Below("").child("DCrd", i);
        EXPECT_NE(d, nullptr) << i;
        static const XmlTree kNone;
        return d ? *d : kNone;
    }

    CVdXmlDCoord m_dcoord;
};

TEST_P(DCoordWrite, RefusedWithoutParentDocument) {
    CVdXmlNode orphan;
    EXPECT_EQ(m_dcoord.Create(orphan, VDXML_DCOORD()), E_FAIL);
    EXPECT_EQ(Point().InsertDCartesian(VDXML_DCARTESIAN()), E_FAIL);
    EXPECT_EQ(Point().InsertDGeodetic(GeodeticDiff(0x1010)), E_FAIL);
    EXPECT_EQ(Point().InsertDGrid(GridDiff(0x0020)), S_OK);  // D2D alone is something written
    Written();
    EXPECT_EQ(Below("").childNames(), (Names{"Name", "D2D"}));
}

TEST_P(DCoordWrite, EveryBlockKindInOrder) {
    VDXML_DCOORD d;
    d.Wgs84DXyz.Flags = 0x11;
    d.Wgs84DXyz.DX = 100.123456;
    d.Wgs84DXyz.DY = -200.5;
    d.Wgs84DXyz.DZ = 0.000004;
    d.Wgs84DXyz.Qlty.M0 = 1.0;
    d.Wgs84DXyz.Qlty.Q11 = 0.0004;
    d.Wgs84DLlh = GeodeticDiff(0xC001);
    d.Wgs84DLlh.D2D = 13.9;
    d.Wgs84DLlh.D3D = 14.2;
    d.LocalDXyz.Flags = 0x01;
    d.LocalDEnh = GridDiff(0x0061);
    d.LocalDEnh.D2D = 13.9;
    d.LocalDEnh.D3D = 14.2;
    d.LocalDLlh = GeodeticDiff(0x0001);
    d.Flags = 0x03;
    d.ACPos = 0.0012345;
    d.ACHgt = 0.002;
    ASSERT_EQ(Write(d), S_OK);
    EXPECT_NE(m_dcoord.GetNode(CVdXmlDCoord::NODE_WGS84), nullptr);
    EXPECT_NE(m_dcoord.GetNode(CVdXmlDCoord::NODE_LOCAL), nullptr);
    Written();
    const XmlTree& dcrd = DCrd(0);
    EXPECT_EQ(dcrd.childNames(), (Names{"W84", "Lcl", "ACPos", "ACHgt"}));
    EXPECT_EQ(dcrd.childText("ACPos"), "0.00123");
    EXPECT_EQ(dcrd.childText("ACHgt"), "0.00200");
    EXPECT_EQ(Path(dcrd, "W84").childNames(), (Names{"DXYZ", "DLLH"}));
    const XmlTree& dxyz = Path(dcrd, "W84/DXYZ");
    EXPECT_EQ(dxyz.childNames(), (Names{"DX", "DY", "DZ", "Qlty"}));
    EXPECT_EQ(dxyz.childText("DX"), "100.12346");
    EXPECT_EQ(dxyz.childText("DZ"), "0.00000");
    EXPECT_EQ(Path(dxyz, "Qlty").children.size(), 10u);
    EXPECT_EQ(Path(dxyz, "Qlty").childText("Sd1"), "0.02000");
    const XmlTree& dllh = Path(dcrd, "W84/DLLH");
    EXPECT_EQ(dllh.childNames(), (Names{"DLat", "DLon", "D2D", "D3D"}));
    EXPECT_EQ(dllh.childText("DLat"), "0.000012300000000");
    EXPECT_EQ(dllh.childText("DLon"), "-0.000045600000000");
    EXPECT_EQ(dllh.childText("D3D"), "14.20000");
    EXPECT_EQ(Path(dcrd, "Lcl").childNames(), (Names{"DXYZ", "DLLH", "DENH"}));
    const XmlTree& denh = Path(dcrd, "Lcl/DENH");
    EXPECT_EQ(denh.childNames(), (Names{"DE", "DN", "D2D", "D3D"}));
    EXPECT_EQ(denh.childText("DE"), "12.34568");
    EXPECT_EQ(denh.childText("DN"), "-6.50000");
    for (const XmlTree& e : denh.children) EXPECT_FALSE(IsComputed(e)) << e.name;
}

TEST_P(DCoordWrite, FlagsThatOpenNoBlock) {
    VDXML_DCOORD deviationsOnly;
    deviationsOnly.Wgs84DLlh = GeodeticDiff(0x1000);
    deviationsOnly.Wgs84DLlh.SdAbs = AllDeviations();
    deviationsOnly.LocalDLlh = GeodeticDiff(0x3010);
    VDXML_DCOORD distancesOnly;
    distancesOnly.Wgs84DLlh = GeodeticDiff(0xC000);
    distancesOnly.LocalDEnh = GridDiff(0x4060);  // grid D2D, D3D and the untested 0x4000
    distancesOnly.Wgs84DXyz.Flags = 0x10;
    ASSERT_EQ(Write(deviationsOnly), S_OK);
    ASSERT_EQ(Write(distancesOnly), S_OK);
    EXPECT_EQ(m_dcoord.GetNode(CVdXmlDCoord::NODE_WGS84), nullptr);
    EXPECT_EQ(m_dcoord.GetNode(CVdXmlDCoord::NODE_LOCAL), nullptr);
    Written();
    EXPECT_TRUE(DCrd(0).children.empty());
    EXPECT_TRUE(DCrd(1).children.empty());
}

TEST_P(DCoordWrite, GridBitsForDirectionAndDistances) {
    VDXML_DGRID g = GridDiff(0x4000 | 0x8000 | 0x0100);  // 0x4000 means nothing for a grid
    g.Azi = 1.25;
    g.Dir = -0.5;
    g.D2D = 3.0;
    VDXML_DGEODETIC l = GeodeticDiff(0x0020 | 0x0040 | 0x0100);  // grid bits: no distances
    l.Azi = 1.25;
    VDXML_DCOORD d;
    d.LocalDEnh = g;
    d.LocalDLlh = l;
    ASSERT_EQ(Write(d), S_OK);
    Written();
    EXPECT_EQ(Path(DCrd(0), "Lcl/DENH").childNames(), (Names{"Azi", "Dir"}));
    EXPECT_EQ(Path(DCrd(0), "Lcl/DENH/Dir").text, "-0.500000000000000");
    EXPECT_EQ(Path(DCrd(0), "Lcl/DLLH").childNames(), Names{"Azi"});
}

TEST_P(DCoordWrite, AnglesAreReducedByWholeTurns) {
    VDXML_DGRID g = GridDiff(0x8300);
    g.Azi = 7.0;
    g.Dir = -7.0;
    g.Zen = kPi / 2 + 4 * kPi;
    ASSERT_EQ(WriteLocalGrid(g), S_OK);
    Written();
    const XmlTree& denh = Path(DCrd(0), "Lcl/DENH");
    EXPECT_EQ(denh.childNames(), (Names{"Azi", "Dir", "Zen"}));
    EXPECT_EQ(denh.childText("Azi"), "0.716814692820414");
    EXPECT_EQ(denh.childText("Dir"), "-0.716814692820414");
    EXPECT_EQ(denh.childText("Zen"), "1.570796326794897");
}

TEST_P(DCoordWrite, ZenithAndSlopeDistanceDeriveTheOthers) {
    VDXML_DGRID g;
    g.Flags = 0x0600;
    g.Zen = kPi / 3;
    g.DistS = 100.0;
    ASSERT_EQ(WriteLocalGrid(g), S_OK);
    Written();
    const XmlTree& denh = Path(DCrd(0), "Lcl/DENH");
    EXPECT_EQ(denh.childNames(), (Names{"DH", "Zen", "DistS", "DistHz"}));
    EXPECT_EQ(denh.childText("DH"), "50.00000");
    EXPECT_EQ(denh.childText("Zen"), "1.047197551196598");
    EXPECT_EQ(denh.childText("DistS"), "100.00000");
    EXPECT_EQ(denh.childText("DistHz"), "86.60254");
    EXPECT_TRUE(IsComputed(*denh.child("DH")));
    EXPECT_FALSE(IsComputed(*denh.child("Zen")));
    EXPECT_FALSE(IsComputed(*denh.child("DistS")));
    EXPECT_TRUE(IsComputed(*denh.child("DistHz")));
}

TEST_P(DCoordWrite, DerivationSourcesAndPriorities) {
    VDXML_DGEODETIC fromHz;  // zenith angle and horizontal distance
    fromHz.Flags = 0x0A00;
    fromHz.Zen = kPi / 4;
    fromHz.DistHz = 10.0;
    VDXML_DGEODETIC fromDH;  // zenith angle and height difference (either bit)
    fromDH.Flags = 0x0204;
    fromDH.Zen = kPi / 3;
    fromDH.DH = 5.0;
    VDXML_DGEODETIC slopeFirst;  // the slope distance wins over the horizontal one
    slopeFirst.Flags = 0x0E00;
    slopeFirst.Zen = kPi / 3;
    slopeFirst.DistS = 100.0;
    slopeFirst.DistHz = 50.0;
    VDXML_DGEODETIC noZenith;  // nothing is derived without a zenith angle
    noZenith.Flags = 0x0C02;
    noZenith.DH = 1.0;
    noZenith.DistS = 2.0;
    noZenith.DistHz = 3.0;
    VDXML_DGEODETIC horizontalOnly;
    horizontalOnly.Flags = 0x0800;
    horizontalOnly.DistHz = 3.0;
    for (const VDXML_DGEODETIC* g : {&fromHz, &fromDH, &slopeFirst, &noZenith, &horizontalOnly}) {
        VDXML_DCOORD d;
        d.Wgs84DLlh = *g;
        ASSERT_EQ(Write(d), S_OK);
    }
    Written();
    const XmlTree& a = Path(DCrd(0), "W84/DLLH");
    EXPECT_EQ(a.childNames(), (Names{"DH", "Zen", "DistS", "DistHz"}));
    EXPECT_EQ(a.childText("DH"), "10.00000");
    EXPECT_EQ(a.childText("DistS"), "14.14214");
    EXPECT_TRUE(IsComputed(*a.child("DH")));
    EXPECT_TRUE(IsComputed(*a.child("DistS")));
    EXPECT_FALSE(IsComputed(*a.child("DistHz")));
    const XmlTree& b = Path(DCrd(1), "W84/DLLH");
    EXPECT_EQ(b.childNames(), (Names{"DH", "Zen", "DistS", "DistHz"}));
    EXPECT_EQ(b.childText("DistS"), "10.00000");
    EXPECT_EQ(b.childText("DistHz"), "8.66025");
    EXPECT_FALSE(IsComputed(*b.child("DH")));
    EXPECT_TRUE(IsComputed(*b.child("DistHz")));
    const XmlTree& c = Path(DCrd(2), "W84/DLLH");
    EXPECT_EQ(c.childText("DH"), "50.00000");  // 100 cos 60°, not 50 / tan 60°
    EXPECT_FALSE(IsComputed(*c.child("DistHz")));
    const XmlTree& n = Path(DCrd(3), "W84/DLLH");
    EXPECT_EQ(n.childNames(), (Names{"DH", "DistS", "DistHz"}));
    for (const XmlTree& e : n.children) EXPECT_FALSE(IsComputed(e)) << e.name;
    EXPECT_EQ(Path(DCrd(4), "W84/DLLH").childNames(), Names{"DistHz"});
}

TEST_P(DCoordWrite, QualityAndDeviationsBelowTheBlock) {
    VDXML_DGEODETIC positionOnly = GeodeticDiff(0x3011);
    positionOnly.Qlty.M0 = 2.0;
    positionOnly.Qlty.Q11 = 0.25;
    positionOnly.Qlty.Q22 = 0.01;
    positionOnly.SdAbs = AllDeviations();
    positionOnly.SdRel = AllDeviations();
    positionOnly.SdRel.Flags = 0x28;  // slope distance and height difference
    VDXML_DGRID heightOnly;
    heightOnly.Flags = 0x0014;
    heightOnly.DH = 0.5;
    VDXML_DGRID both = GridDiff(0x1013);
    both.DH = 0.5;
    both.SdAbs.Flags = 0x05;
    both.SdAbs.SdAzi = 0.0000015;
    both.SdAbs.SdZen = 0.0000035;
    VDXML_DCOORD d;
    d.Wgs84DLlh = positionOnly;
    d.LocalDEnh = heightOnly;
    ASSERT_EQ(Write(d), S_OK);
    d = VDXML_DCOORD();
    d.LocalDEnh = both;
    ASSERT_EQ(Write(d), S_OK);
    Written();
    const XmlTree& dllh = Path(DCrd(0), "W84/DLLH");
    EXPECT_EQ(dllh.childNames(), (Names{"DLat", "DLon", "Qlty", "SdAbs", "SdRel"}));
    EXPECT_EQ(Path(dllh, "Qlty").childNames(), (Names{"M0", "Q11", "Q12", "Q22", "Sd1", "Sd2"}));
    EXPECT_EQ(Path(dllh, "Qlty/Sd2").text, "0.20000");
    const XmlTree& sdAbs = Path(dllh, "SdAbs");
    EXPECT_EQ(sdAbs.childNames(),
              (Names{"SdAzi", "SdDir", "SdZen", "SdDistS", "SdDistHz", "SdDH", "SdBl"}));
    EXPECT_EQ(sdAbs.childText("SdAzi"), "0.000001500000000");
    EXPECT_EQ(sdAbs.childText("SdZen"), "0.000003500000000");
    EXPECT_EQ(sdAbs.childText("SdDistS"), "0.00150");
    EXPECT_EQ(sdAbs.childText("SdBl"), "0.00450");
    EXPECT_EQ(Path(dllh, "SdRel").childNames(), (Names{"SdDistS", "SdDH"}));
    EXPECT_EQ(Path(DCrd(0), "Lcl/DENH").childNames(), (Names{"DH", "Qlty"}));
    EXPECT_EQ(Path(DCrd(0), "Lcl/DENH/Qlty").childNames(), (Names{"M0", "Q33", "Sd3"}));
    const XmlTree& denh = Path(DCrd(1), "Lcl/DENH");
    EXPECT_EQ(denh.childNames(), (Names{"DE", "DN", "DH", "Qlty", "SdAbs"}));
    EXPECT_EQ(Path(denh, "Qlty").children.size(), 10u);
    EXPECT_EQ(Path(denh, "SdAbs").childNames(), (Names{"SdAzi", "SdZen"}));
}

VDXML_INSTANTIATE_BOTH_BACKENDS(DCoordWrite);

// Relative deviations name their unit by the document's units; a unit without a name stops
// the writer after the entry.
class RelativeDeviationUnits : public GeometryTest {
  protected:
    void SetUp() override {}  // each test starts its document with its own units
    void Start(std::uint32_t linear, std::uint32_t angular) {
        VDXML_ROOT root = SampleRoot();
        root.Units.Linear = linear;
        root.Units.Angular = angular;
        root.Units.TimeSystem = 1;
        StartDocument(root);
        if (!IsSkipped()) StartPoint();
    }
    long WriteSdRel(const VDXML_SD& sd) {
        VDXML_DCOORD d;
        d.LocalDEnh = GridDiff(0x2001);
        d.LocalDEnh.SdRel = sd;
        CVdXmlDCoord dcoord;
        return Point().InsertDCoord(d, dcoord);
    }
    const XmlTree& SdRel(std::size_t i) {
        return Path(*Below("").child("DCrd", i), "Lcl/DENH/SdRel");
    }
};

TEST_P(RelativeDeviationUnits, UsFeetHaveAHeightUnit) {
    Start(2, 1);
    if (IsSkipped()) return;
    EXPECT_EQ(WriteSdRel(AllDeviations()), S_OK);
    Written();
    EXPECT_EQ(SdRel(0).childNames(),
              (Names{"SdAzi", "SdDir", "SdZen", "SdDistS", "SdDistHz", "SdDH", "SdBl"}));
    EXPECT_EQ(SdRel(0).childText("SdAzi"), "0.000001500000000");
    EXPECT_EQ(SdRel(0).childText("SdDH"), "0.00350");
    for (const XmlTree& e : SdRel(0).children) EXPECT_FALSE(IsComputed(e)) << e.name;
}

TEST_P(RelativeDeviationUnits, InternationalFeetHaveAHeightUnit) {
    Start(3, 1);
    if (IsSkipped()) return;
    VDXML_SD height;
    height.Flags = 0x20;
    height.SdDH = 0.01;
    EXPECT_EQ(WriteSdRel(height), S_OK);
    Written();
    EXPECT_EQ(SdRel(0).childNames(), Names{"SdDH"});
}

TEST_P(RelativeDeviationUnits, AngularUnitWithoutTextStopsAfterTheAngle) {
    Start(1, 0);  // no angular unit
    if (IsSkipped()) return;
    VDXML_SD distances = AllDeviations();
    distances.Flags = 0x68;  // slope distance, height difference, baseline
    EXPECT_EQ(WriteSdRel(distances), S_OK);
    EXPECT_EQ(WriteSdRel(AllDeviations()), E_FAIL);
    VDXML_SD direction = AllDeviations();
    direction.Flags = 0x0A;
    EXPECT_EQ(WriteSdRel(direction), E_FAIL);
    Written();
    EXPECT_EQ(SdRel(0).childNames(), (Names{"SdDistS", "SdDH", "SdBl"}));
    EXPECT_EQ(SdRel(1).childNames(), Names{"SdAzi"});
    EXPECT_EQ(SdRel(2).childNames(), Names{"SdDir"});
}

TEST_P(RelativeDeviationUnits, LinearUnitWithoutTextStopsAfterTheHeightDifference) {
    Start(0, 1);  // no linear unit
    if (IsSkipped()) return;
    EXPECT_EQ(WriteSdRel(AllDeviations()), E_FAIL);
    Written();
    EXPECT_EQ(SdRel(0).childNames(),
              (Names{"SdAzi", "SdDir", "SdZen", "SdDistS", "SdDistHz", "SdDH"}));
}

VDXML_INSTANTIATE_BOTH_BACKENDS(RelativeDeviationUnits);

TEST(RelativeDeviationUnitTexts, ByUnitCode) {
    auto text = [](const wchar_t* t) { return std::wstring(t ? t : L"<none>"); };
    EXPECT_EQ(text(VdXml::enumRelativeAngularUnit.Find(1)), L"rad.km");
    EXPECT_EQ(text(VdXml::enumRelativeAngularUnit.Find(2)), L"<none>");
    EXPECT_EQ(text(VdXml::enumRelativeHeightUnit.Find(1)), L"m/sqrt(km)");
    EXPECT_EQ(text(VdXml::enumRelativeHeightUnit.Find(2)), L"fts/sqrt(km)");
    EXPECT_EQ(text(VdXml::enumRelativeHeightUnit.Find(3)), L"fti/sqrt(km)");
    EXPECT_EQ(text(VdXml::enumRelativeHeightUnit.Find(4)), L"<none>");
    EXPECT_EQ(VdXml::textPartsPerMillion, _bstr_t(L"ppm"));
}

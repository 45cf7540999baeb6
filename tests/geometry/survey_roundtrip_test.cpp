// A whole survey: a project, several points, coordinates in all five representations with
// quality and coordinate differences of every block kind. Both back ends write the same
// tree, and the readers restore what their maps promise from either file.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry_fixture.h"
#include "support/dom_helpers.h"

using namespace vdxml_test;

namespace {

VDXML_QLTY Cofactors(double m0, double base) {
    VDXML_QLTY q;
    q.M0 = m0;
    q.Q11 = base * 4;
    q.Q12 = base / 2;
    q.Q13 = -base / 4;
    q.Q22 = base * 2;
    q.Q23 = base / 8;
    q.Q33 = base * 8;
    return q;
}

VDXML_PROJECT Project() {
    VDXML_PROJECT p;
    p.Name = L"Bridge survey";
    p.Note = L"second campaign";
    p.Created = 53736.5;
    p.Timezone = 1.0 / 24;
    p.Client = L"Canton";
    p.AvgLimit.Pos = 0.02;
    p.ModifiedGrid.ScaleFactor = 1.000012;
    p.ModifiedGrid.FalseEasting = 2600000.0;
    return p;
}

VDXML_POINT Point(const wchar_t* name, std::uint32_t cls, double epoch) {
    VDXML_POINT p;
    p.Name = name;
    p.Class = cls;
    p.SubClass = cls;
    p.Epoch = epoch;
    return p;
}

// Every representation, each with its quality.
VDXML_COORD FullCoord() {
    VDXML_COORD c;
    c.Type = VDXML_COORD_TYPE_3D;
    c.SourcePos = VDXML_SOURCE_GPS;
    c.SourceHgt = VDXML_SOURCE_LEVEL;
    c.AvgStatus = 0x03;
    c.Wgs84Xyz.Flags = 0x11;
    c.Wgs84Xyz.X = 4331297.25;
    c.Wgs84Xyz.Y = 567555.5;
    c.Wgs84Xyz.Z = 4633133.75;
    c.Wgs84Xyz.Qlty = Cofactors(1.25, 0.0001);
    c.Wgs84Llh.Flags = 0x13;
    c.Wgs84Llh.Lat = 0.817;
    c.Wgs84Llh.Lon = 0.13;
    c.Wgs84Llh.HE = 510.5;
    c.Wgs84Llh.Qlty = Cofactors(1.5, 0.0002);
    c.LocalXyz = c.Wgs84Xyz;
    c.LocalXyz.X += 0.5;
    c.LocalLlh.Flags = 0x15;
    c.LocalLlh.Lat = 0.8165;
    c.LocalLlh.Lon = 0.1295;
    c.LocalLlh.HO = 460.25;
    c.LocalLlh.Qlty = Cofactors(1.75, 0.0003);
    c.LocalEnh.Flags = 0x17;
    c.LocalEnh.E = 2600123.5;
    c.LocalEnh.N = 1200456.25;
    c.LocalEnh.HE = 510.75;
    c.LocalEnh.HO = 460.5;
    c.LocalEnh.Qlty = Cofactors(2.0, 0.0004);
    c.Flags = VDXML_COORD::flagGeoidSeparation;
    c.GeoidSeparation = 50.25;
    return c;
}

// A two-dimensional grid position with quality.
VDXML_COORD GridCoord() {
    VDXML_COORD c;
    c.Type = VDXML_COORD_TYPE_2D;
    c.LocalEnh.Flags = 0x11;
    c.LocalEnh.E = 2600200.0;
    c.LocalEnh.N = 1200300.0;
    c.LocalEnh.Qlty = Cofactors(1.0, 0.0005);
    return c;
}

// WGS 84 Cartesian only: the coordinate quality comes from the rotated cofactors.
VDXML_COORD CartesianCoord() {
    VDXML_COORD c;
    c.Wgs84Xyz.Flags = 0x11;
    c.Wgs84Xyz.X = 4331000.0;
    c.Wgs84Xyz.Y = 567000.0;
    c.Wgs84Xyz.Z = 4633000.0;
    c.Wgs84Xyz.Qlty = Cofactors(1.0, 0.0006);
    return c;
}

VDXML_SD Deviations(std::uint8_t flags) {
    VDXML_SD sd;
    sd.Flags = flags;
    sd.SdAzi = 0.00001;
    sd.SdDir = 0.00002;
    sd.SdZen = 0.00003;
    sd.SdDistS = 0.001;
    sd.SdDistHz = 0.002;
    sd.SdDH = 0.003;
    sd.SdBl = 0.004;
    return sd;
}

// Every block kind: Cartesian, geodetic and grid differences with quality, deviations and
// derived polar elements.
VDXML_DCOORD FullDCoord() {
    VDXML_DCOORD d;
    d.Wgs84DXyz.Flags = 0x11;
    d.Wgs84DXyz.DX = 120.5;
    d.Wgs84DXyz.DY = -30.25;
    d.Wgs84DXyz.DZ = 80.125;
    d.Wgs84DXyz.Qlty = Cofactors(1.0, 0.00001);
    d.Wgs84DLlh.Flags = 0xF313;
    d.Wgs84DLlh.DLat = 0.0000123;
    d.Wgs84DLlh.DLon = 0.0000456;
    d.Wgs84DLlh.DH = 12.5;
    d.Wgs84DLlh.Qlty = Cofactors(1.0, 0.00002);
    d.Wgs84DLlh.Azi = 7.0;
    d.Wgs84DLlh.Zen = 1.45;
    d.Wgs84DLlh.SdAbs = Deviations(0x7F);
    d.Wgs84DLlh.SdRel = Deviations(0x7F);
    d.Wgs84DLlh.D2D = 145.0;
    d.Wgs84DLlh.D3D = 146.0;
    d.LocalDXyz.Flags = 0x01;
    d.LocalDXyz.DX = 1.0;
    d.LocalDLlh.Flags = 0x0C00;
    d.LocalDLlh.DistS = 100.0;
    d.LocalDLlh.DistHz = 99.0;
    d.LocalDEnh.Flags = 0xA671;
    d.LocalDEnh.DE = 3.0;
    d.LocalDEnh.DN = 4.0;
    d.LocalDEnh.Qlty = Cofactors(1.0, 0.00003);
    d.LocalDEnh.Dir = -1.0;
    d.LocalDEnh.Zen = 1.5;
    d.LocalDEnh.DistS = 5.0;
    d.LocalDEnh.SdRel = Deviations(0x28);
    d.LocalDEnh.D2D = 5.0;
    d.LocalDEnh.D3D = 5.1;
    d.Flags = 0x03;
    d.ACPos = 0.001;
    d.ACHgt = 0.0015;
    return d;
}

// Writes the survey with one back end into path; every write must succeed.
void WriteSurvey(IVdXmlDoc::enmDocType type, const std::string& path) {
    CVdXmlDocument doc;
    const long hr = doc.Initialize(SampleRoot(), type, _bstr_t(path), 1);
    if (hr == E_NOTIMPL) GTEST_SKIP() << "back end not available in this build";
    ASSERT_EQ(hr, S_OK);
    CVdXmlProject project;
    ASSERT_EQ(doc.InsertProject(Project(), project), S_OK);
    CVdXmlPoint point;
    CVdXmlCoord coord;
    CVdXmlDCoord dcoord;
    ASSERT_EQ(project.InsertPoint(Point(L"100", 6, 53736.25), point), S_OK);
    ASSERT_EQ(point.InsertCoord(FullCoord(), coord), S_OK);
    ASSERT_EQ(point.InsertDCoord(FullDCoord(), dcoord), S_OK);
    ASSERT_EQ(project.InsertPoint(Point(L"101", 4, VDXML_UNDEFINED), point), S_OK);
    ASSERT_EQ(point.InsertCoord(GridCoord(), coord), S_OK);
    ASSERT_EQ(point.InsertCoord(CartesianCoord(), coord), S_OK);
    ASSERT_EQ(project.InsertPoint(Point(L"102", 0, 53737.0), point), S_OK);
    ASSERT_EQ(point.InsertDCoord(FullDCoord(), dcoord), S_OK);
    ASSERT_EQ(doc.Save(), S_OK);
}

VDXML_ELEMENT Element(const IXMLDOMDocument2Ptr& dom, const std::wstring& path) {
    VDXML_ELEMENT e = ElementAt(dom, path);
    EXPECT_TRUE(e.Element()) << "no element at the path";
    return e;
}

// What the readers promise for the survey's records, checked on one loaded file.
void ExpectSurveyReadsBack(const IXMLDOMDocument2Ptr& dom) {
    VDXML_ELEMENT projectElement = Element(dom, L"Application/Project");
    VDXML_PROJECT project;
    ASSERT_EQ(CVdXmlProject::Read(projectElement, project), S_OK);
    EXPECT_EQ(project.Name, Project().Name);
    EXPECT_EQ(project.Note, Project().Note);
    EXPECT_NEAR(project.Created, 53736.5, 1e-8);
    EXPECT_TRUE(VdXmlIsUndefined(project.Timezone));
    EXPECT_TRUE(project.Client.empty());

    VDXML_ELEMENT pointElement = Element(dom, L"Application/Project/Pnt");
    VDXML_POINT point;
    ASSERT_EQ(CVdXmlPoint::Read(pointElement, point), S_OK);
    EXPECT_EQ(point.Name, _bstr_t(L"100"));
    EXPECT_EQ(point.Class, 6u);
    EXPECT_EQ(point.SubClass, 6u);
    EXPECT_NEAR(point.Epoch, 53736.25, 1e-8);

    // The full coordinate: latitude and longitude of the local block (met last), the grid's
    // ellipsoidal and orthometric heights, the grid's quality (the last "Qlty", dimension 3).
    const VDXML_COORD full = FullCoord();
    VDXML_ELEMENT fullElement = Element(dom, L"Application/Project/Pnt/Crd");
    VDXML_COORD c;
    ASSERT_EQ(CVdXmlCoord::Read(fullElement, c), S_OK);
    EXPECT_EQ(c.Wgs84Llh.Flags, 0x13);
    EXPECT_EQ(c.Wgs84Llh.Lat, full.LocalLlh.Lat);
    EXPECT_EQ(c.Wgs84Llh.Lon, full.LocalLlh.Lon);
    EXPECT_EQ(c.Wgs84Llh.HE, full.LocalEnh.HE);
    EXPECT_EQ(c.Wgs84Llh.Qlty.M0, full.LocalEnh.Qlty.M0);
    EXPECT_NEAR(c.Wgs84Llh.Qlty.Q11, full.LocalEnh.Qlty.Q11, 5e-9);
    EXPECT_NEAR(c.Wgs84Llh.Qlty.Q13, full.LocalEnh.Qlty.Q13, 5e-9);
    EXPECT_NEAR(c.Wgs84Llh.Qlty.Q33, full.LocalEnh.Qlty.Q33, 5e-9);
    EXPECT_EQ(c.LocalEnh.Flags, 0x05);
    EXPECT_EQ(c.LocalEnh.E, full.LocalEnh.E);
    EXPECT_EQ(c.LocalEnh.N, full.LocalEnh.N);
    EXPECT_EQ(c.LocalEnh.HO, full.LocalEnh.HO);
    EXPECT_EQ(c.Wgs84Xyz.Flags, 0);
    EXPECT_EQ(c.LocalXyz.Flags, 0);
    EXPECT_EQ(c.LocalLlh.Flags, 0);
    EXPECT_EQ(c.Type, VDXML_COORD_TYPE_NONE);
    EXPECT_EQ(c.Flags, 0);

    // The Cartesian-only coordinate of the second point: only its quality is read, into the
    // geodetic block.
    IXMLDOMNodePtr second =
        ChildElement(ElementAt(dom, L"Application/Project").Element(), L"Pnt", 1);
    VDXML_ELEMENT cartesianElement = VDXML_ELEMENT::FromNode(ChildElement(second, L"Crd", 1));
    VDXML_COORD x;
    ASSERT_EQ(CVdXmlCoord::Read(cartesianElement, x), S_OK);
    EXPECT_EQ(x.Wgs84Llh.Flags, 0x10);
    EXPECT_EQ(x.Wgs84Llh.Qlty.M0, 1.0);
    EXPECT_NEAR(x.Wgs84Llh.Qlty.Q22, 0.0012, 5e-9);
    EXPECT_EQ(x.LocalEnh.Flags, 0);

    VDXML_ELEMENT dcoordElement = Element(dom, L"Application/Project/Pnt/DCrd");
    VDXML_DCOORD d;
    EXPECT_EQ(CVdXmlDCoord::Read(dcoordElement, d), S_OK);
    EXPECT_EQ(d.Wgs84DXyz.Flags, 0);
}

}  // namespace

TEST(SurveyRoundTrip, BothBackEndsWriteTheSameTreeAndItReadsBack) {
    TempDir dir;
    const std::string domPath = dir.file("dom.xml");
    const std::string streamPath = dir.file("stream.xml");
    WriteSurvey(IVdXmlDoc::DOCTYPE_DOM, domPath);
    if (HasFatalFailure() || IsSkipped()) return;
    WriteSurvey(IVdXmlDoc::DOCTYPE_STREAM, streamPath);
    if (HasFatalFailure() || IsSkipped()) return;

    const XmlTree dom = LoadXmlTree(domPath);
    const XmlTree stream = LoadXmlTree(streamPath);
    // The file's creation time may fall into different seconds; everything else is equal.
    EXPECT_EQ(dom.childNames(), stream.childNames());
    EXPECT_EQ(DiffTrees(Path(dom, "Application"), Path(stream, "Application")), "");

    // The tree holds what was written: three points, four coordinates, two differences.
    const XmlTree& project = Path(dom, "Application/Project");
    EXPECT_EQ(project.count("Pnt"), 3u);
    EXPECT_EQ(project.child("Pnt", 0)->childNames(),
              (Names{"Name", "Cl", "SCl", "Epoch", "Crd", "DCrd"}));
    EXPECT_EQ(project.child("Pnt", 1)->childNames(), (Names{"Name", "Cl", "SCl", "Crd", "Crd"}));
    EXPECT_EQ(project.child("Pnt", 2)->childNames(), (Names{"Name", "Epoch", "DCrd"}));
    const XmlTree& crd = *project.child("Pnt", 0)->child("Crd");
    EXPECT_EQ(crd.childNames(),
              (Names{"Type", "SPos", "SHgt", "AvgStat", "W84", "Lcl", "GS", "CQ"}));
    const XmlTree& dcrd = *project.child("Pnt", 0)->child("DCrd");
    EXPECT_EQ(Path(dcrd, "W84/DLLH").childNames(),
              (Names{"DLat", "DLon", "DH", "Azi", "Zen", "DistS", "DistHz", "D2D", "D3D", "Qlty",
                     "SdAbs", "SdRel"}));
    EXPECT_EQ(Path(dcrd, "Lcl/DLLH").childNames(), (Names{"DistS", "DistHz"}));
    EXPECT_EQ(
        Path(dcrd, "Lcl/DENH").childNames(),
        (Names{"DE", "DN", "DH", "Dir", "Zen", "DistS", "DistHz", "D2D", "D3D", "Qlty", "SdRel"}));

    for (const std::string& path : {domPath, streamPath}) {
        SCOPED_TRACE(path);
        IXMLDOMDocument2Ptr loaded = LoadDom(path);
        ASSERT_TRUE(loaded);
        ExpectSurveyReadsBack(loaded);
    }
}

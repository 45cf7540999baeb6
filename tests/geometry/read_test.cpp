// Reading projects, points and coordinates back: what each reading map restores with its
// flags, what it leaves at the record's defaults, and the name-and-depth matching of
// coordinate values (the value met last wins, whatever block it sits in).
#include <gtest/gtest.h>

#include "geometry_fixture.h"
#include "support/dom_helpers.h"

using namespace vdxml_test;

class GeometryRead : public GeometryTest {};

TEST_P(GeometryRead, ProjectRestoresNameNoteAndCreationOnly) {
    VDXML_PROJECT written;
    written.Name = L"Survey";
    written.Note = L"north sector";
    written.Created = 53736.5;  // 2006-01-01 12:00
    written.Timezone = 0.0;
    written.Manager = L"M. Muster";
    written.AvgLimit.Pos = 0.5;
    written.ModifiedGrid.ScaleFactor = 1.0;
    ASSERT_EQ(doc.InsertProject(written, m_project), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/Project");
    VDXML_PROJECT read;
    ASSERT_EQ(CVdXmlProject::Read(element, read), S_OK);
    EXPECT_EQ(read.nType, VDXML_TYPE_PROJECT);
    EXPECT_EQ(read.Name, _bstr_t(L"Survey"));
    EXPECT_EQ(read.Note, _bstr_t(L"north sector"));
    EXPECT_NEAR(read.Created, 53736.5, 1e-8);
    // Written, but not read back.
    EXPECT_TRUE(VdXmlIsUndefined(read.Timezone));
    EXPECT_TRUE(VdXmlIsUndefined(read.LeapSecond));
    EXPECT_TRUE(read.Manager.empty());
    EXPECT_EQ(read.AvgLimit.Pos, 0.0);
    EXPECT_EQ(read.ModifiedGrid.ScaleFactor, 0.0);
}

TEST_P(GeometryRead, PointRestoresEveryField) {
    VDXML_PROJECT project;
    project.Name = L"Survey";
    ASSERT_EQ(doc.InsertProject(project, m_project), S_OK);
    VDXML_POINT written;
    written.Name = L"P1";
    written.Note = L"bolt";
    written.Class = VDXML_PNT_CLASS_CONTROL;
    written.SubClass = 14;
    written.Epoch = 53736.25;
    ASSERT_EQ(m_project.InsertPoint(written, m_point), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/Project/Pnt");
    VDXML_POINT read;
    ASSERT_EQ(CVdXmlPoint::Read(element, read), S_OK);
    EXPECT_EQ(read.nType, VDXML_TYPE_POINT);
    EXPECT_EQ(read.Name, _bstr_t(L"P1"));
    EXPECT_EQ(read.Note, _bstr_t(L"bolt"));
    EXPECT_EQ(read.Class, 8u);
    EXPECT_EQ(read.SubClass, 14u);
    EXPECT_NEAR(read.Epoch, 53736.25, 1e-8);
}

TEST_P(GeometryRead, CoordinateValuesLandByNameAndDepth) {
    StartPoint();
    VDXML_COORD c;
    c.Type = VDXML_COORD_TYPE_3D;
    c.SourcePos = VDXML_SOURCE_GPS;
    c.Flags = VDXML_COORD::flagGeoidSeparation;
    c.GeoidSeparation = 48.5;
    c.Wgs84Xyz.Flags = 0x11;
    c.Wgs84Xyz.X = 4000000.5;
    c.Wgs84Xyz.Qlty.M0 = 9.0;
    c.Wgs84Llh.Flags = 0x13;
    c.Wgs84Llh.Lat = 0.1;
    c.Wgs84Llh.Lon = 0.2;
    c.Wgs84Llh.HE = 10.0;
    c.Wgs84Llh.Qlty.M0 = 1.0;
    c.Wgs84Llh.Qlty.Q11 = 0.11;
    c.Wgs84Llh.Qlty.Q12 = 0.12;
    c.Wgs84Llh.Qlty.Q13 = 0.13;
    c.Wgs84Llh.Qlty.Q22 = 0.22;
    c.Wgs84Llh.Qlty.Q23 = 0.23;
    c.Wgs84Llh.Qlty.Q33 = 0.33;
    c.LocalLlh.Flags = 0x05;
    c.LocalLlh.Lat = 0.3;
    c.LocalLlh.Lon = 0.4;
    c.LocalLlh.HO = 20.0;
    c.LocalEnh.Flags = 0x16;  // heights only: a quality of dimension 1
    c.LocalEnh.HE = 30.0;
    c.LocalEnh.HO = 40.0;
    c.LocalEnh.Qlty.M0 = 3.0;
    c.LocalEnh.Qlty.Q33 = 0.75;
    CVdXmlCoord coord;
    ASSERT_EQ(Point().InsertCoord(c, coord), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/Project/Pnt/Crd");
    VDXML_COORD read;
    ASSERT_EQ(CVdXmlCoord::Read(element, read), S_OK);
    EXPECT_EQ(read.nType, VDXML_TYPE_COORD);
    // The local latitude and longitude come after the WGS 84 ones, the grid's ellipsoidal
    // height after the WGS 84 one: both land in Wgs84Llh.
    EXPECT_EQ(read.Wgs84Llh.Lat, 0.3);
    EXPECT_EQ(read.Wgs84Llh.Lon, 0.4);
    EXPECT_EQ(read.Wgs84Llh.HE, 30.0);
    // The grid's one-dimensional quality overwrites M0 and Q33 only; the other cofactors stay
    // those of the WGS 84 block (the Cartesian quality came first of all).
    EXPECT_EQ(read.Wgs84Llh.Qlty.M0, 3.0);
    EXPECT_EQ(read.Wgs84Llh.Qlty.Q33, 0.75);
    EXPECT_EQ(read.Wgs84Llh.Qlty.Q11, 0.11);
    EXPECT_EQ(read.Wgs84Llh.Qlty.Q23, 0.23);
    EXPECT_EQ(read.Wgs84Llh.Flags, 0x13);
    // Orthometric heights of every block land in the grid; the grid has no E or N here.
    EXPECT_EQ(read.LocalEnh.HO, 40.0);
    EXPECT_EQ(read.LocalEnh.Flags, 0x04);
    EXPECT_EQ(read.LocalEnh.E, 0.0);
    // Not read: dimension, sources, Cartesian values, local geodetic block, separation.
    EXPECT_EQ(read.Type, VDXML_COORD_TYPE_NONE);
    EXPECT_EQ(read.SourcePos, 0u);
    EXPECT_EQ(read.Flags, 0);
    EXPECT_EQ(read.GeoidSeparation, 0.0);
    EXPECT_EQ(read.Wgs84Xyz.Flags, 0);
    EXPECT_EQ(read.Wgs84Xyz.X, 0.0);
    EXPECT_EQ(read.LocalXyz.Flags, 0);
    EXPECT_EQ(read.LocalLlh.Flags, 0);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(GeometryRead);

TEST(GeometryReadMaps, DepthCountsNotThePath) {
    IXMLDOMDocument2Ptr dom = LoadDomXml(
        L"<Crd><Lat>9</Lat><W84><LLH><Lat>0.5</Lat></LLH><Lon>8</Lon></W84>"
        L"<Any><Where><Lat>0.7</Lat><E>5</E><Q22>7</Q22></Where></Any>"
        L"<A><B><C><Q22>0.25</Q22></C></B></A></Crd>");
    VDXML_ELEMENT element = ElementAt(dom, L"");
    VDXML_COORD read;
    ASSERT_EQ(CVdXmlCoord::Read(element, read), S_OK);
    EXPECT_EQ(read.Wgs84Llh.Lat, 0.7);  // depth 3 wherever it sits; the last one wins
    EXPECT_EQ(read.Wgs84Llh.Lon, 0.0);  // depth 2: no row
    EXPECT_EQ(read.LocalEnh.E, 5.0);
    EXPECT_EQ(read.Wgs84Llh.Qlty.Q22, 0.25);  // depth 4 only
    EXPECT_EQ(read.Wgs84Llh.Flags, 0x11);
    EXPECT_EQ(read.LocalEnh.Flags, 0x01);
}

TEST(GeometryReadMaps, EmptyHandleIsRefused) {
    VDXML_ELEMENT none;
    VDXML_PROJECT project;
    VDXML_POINT point;
    VDXML_COORD coord;
    VDXML_DCOORD dcoord;
    EXPECT_EQ(CVdXmlProject::Read(none, project), E_FAIL);
    EXPECT_EQ(CVdXmlPoint::Read(none, point), E_FAIL);
    EXPECT_EQ(CVdXmlCoord::Read(none, coord), E_FAIL);
    EXPECT_EQ(CVdXmlDCoord::Read(none, dcoord), E_FAIL);
}

TEST(GeometryReadMaps, CoordinateDifferenceIsOnlyCheckedForPresence) {
    IXMLDOMDocument2Ptr dom =
        LoadDomXml(L"<DCrd><W84><DXYZ><DX>1</DX></DXYZ></W84><ACPos>2</ACPos></DCrd>");
    VDXML_ELEMENT element = ElementAt(dom, L"");
    VDXML_DCOORD read;
    EXPECT_EQ(CVdXmlDCoord::Read(element, read), S_OK);
    EXPECT_EQ(read.Wgs84DXyz.Flags, 0);
    EXPECT_EQ(read.Wgs84DXyz.DX, 0.0);
    EXPECT_EQ(read.Flags, 0);
    EXPECT_EQ(read.ACPos, 0.0);
}

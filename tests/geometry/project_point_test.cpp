// Writing projects and points: refusals, the children under each condition, decimals, the
// enumerated texts and the child-node table across calls.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "geometry_fixture.h"
#include "vdxml/geometry_texts.h"

using namespace vdxml_test;

namespace {
std::wstring TextOf(const wchar_t* text) { return text ? text : L"<none>"; }

VDXML_PROJECT NamedProject(const wchar_t* name = L"Survey") {
    VDXML_PROJECT p;
    p.Name = name;
    return p;
}
}  // namespace

class ProjectWrite : public GeometryTest {};

TEST_P(ProjectWrite, RefusalsWriteNothing) {
    CVdXmlProject project;
    EXPECT_EQ(doc.InsertProject(NamedProject(L""), project), E_FAIL);
    VDXML_PROJECT noteOnly;
    noteOnly.Note = L"no name";
    EXPECT_EQ(project.Create(Application(), noteOnly), E_FAIL);
    CVdXmlNode orphan;  // belongs to no document
    EXPECT_EQ(project.Create(orphan, NamedProject()), E_FAIL);
    EXPECT_EQ(project.GetNode(CVdXmlProject::NODE_AVGLIMIT), nullptr);
    EXPECT_EQ(Written().childNames(), (Names{"Name", "Version", "Units"}));
}

TEST(ProjectWriteNoDocument, InsertProjectBeforeInitialiseFails) {
    CVdXmlDocument doc;
    CVdXmlProject project;
    VDXML_PROJECT record;
    record.Name = L"Survey";
    EXPECT_EQ(doc.InsertProject(record, project), E_FAIL);
}

TEST_P(ProjectWrite, NameOnlyGivesSingleChildBelowApplication) {
    CVdXmlProject project;
    ASSERT_EQ(doc.InsertProject(NamedProject(), project), S_OK);
    const XmlTree& app = Written();
    EXPECT_EQ(app.childNames(), (Names{"Name", "Version", "Units", "Project"}));
    EXPECT_EQ(Path(app, "Project").childNames(), Names{"Name"});
    EXPECT_EQ(Path(app, "Project/Name").text, "Survey");
}

TEST_P(ProjectWrite, EveryFieldInOrder) {
    VDXML_PROJECT p = NamedProject();
    p.Note = L"north sector";
    p.Created = 53736.5;  // 2006-01-01 12:00
    p.Timezone = 0.0;     // only the marker suppresses it
    p.LeapSecond = 14.0 / 86400.0;
    p.Manager = L"M. Muster";
    p.Client = L"City";
    p.Street = L"Main Street 1";
    p.MapRef = L"1091";
    p.AvgLimit.Pos = 0.025;
    p.AvgLimit.Hgt = 0.04;
    p.ModifiedGrid.ScaleFactor = 0.999876543210987;
    p.ModifiedGrid.FalseEasting = 600000.123456;
    p.ModifiedGrid.FalseNorthing = 200000.5;
    CVdXmlProject project;
    ASSERT_EQ(doc.InsertProject(p, project), S_OK);
    const XmlTree& pr = Path(Written(), "Project");
    EXPECT_EQ(pr.childNames(),
              (Names{"Name", "Note", "Created", "Timezone", "LeapSecond", "Manager", "Client",
                     "Street", "MapRef", "AvgLimit", "ModifiedGrid"}));
    EXPECT_EQ(pr.childText("Created"), "2006-01-01T12:00:00.0000");
    EXPECT_EQ(pr.child("Created")->attrs.at("dt:dt"), "datetime");
    EXPECT_EQ(pr.childText("Street"), "Main Street 1");
    EXPECT_EQ(Path(pr, "AvgLimit").childNames(), (Names{"Pos", "Hgt"}));
    EXPECT_EQ(Path(pr, "AvgLimit/Pos").text, "0.02500");
    EXPECT_EQ(Path(pr, "AvgLimit/Hgt").text, "0.04000");
    const XmlTree& grid = Path(pr, "ModifiedGrid");
    EXPECT_EQ(grid.childNames(), (Names{"ScaleFactor", "FalseEasting", "FalseNorthing"}));
    EXPECT_EQ(grid.childText("ScaleFactor"), "0.999876543211");
    EXPECT_EQ(grid.childText("FalseEasting"), "600000.12346");
    EXPECT_EQ(grid.childText("FalseNorthing"), "200000.50000");
    for (const XmlTree& c : pr.children) EXPECT_FALSE(IsComputed(c)) << c.name;
    ASSERT_NE(project.GetNode(CVdXmlProject::NODE_AVGLIMIT), nullptr);
    ASSERT_NE(project.GetNode(CVdXmlProject::NODE_MODIFIEDGRID), nullptr);
}

TEST_P(ProjectWrite, ConditionsOfDatesLimitsAndGrid) {
    VDXML_PROJECT negative = NamedProject(L"A");
    negative.Created = -1.0;
    negative.AvgLimit.Hgt = 0.5;
    negative.ModifiedGrid.FalseEasting = 500000.0;  // scale factor 0: no grid
    VDXML_PROJECT zero = NamedProject(L"B");
    zero.AvgLimit.Pos = 0.01;
    zero.AvgLimit.Hgt = -0.01;
    VDXML_PROJECT nanScale = NamedProject(L"C");
    nanScale.ModifiedGrid.ScaleFactor = std::numeric_limits<double>::quiet_NaN();
    CVdXmlProject project;
    ASSERT_EQ(doc.InsertProject(negative, project), S_OK);
    EXPECT_NE(project.GetNode(CVdXmlProject::NODE_AVGLIMIT), nullptr);
    EXPECT_EQ(project.GetNode(CVdXmlProject::NODE_MODIFIEDGRID), nullptr);
    ASSERT_EQ(doc.InsertProject(zero, project), S_OK);
    // A NaN scale factor counts as given; its own entry is skipped as unset.
    ASSERT_EQ(doc.InsertProject(nanScale, project), S_OK);
    EXPECT_EQ(project.GetNode(CVdXmlProject::NODE_AVGLIMIT), nullptr);
    const XmlTree& app = Written();
    const XmlTree& a = *app.child("Project", 0);
    EXPECT_EQ(a.childNames(), (Names{"Name", "AvgLimit"}));
    EXPECT_EQ(Path(a, "AvgLimit").childNames(), Names{"Hgt"});
    EXPECT_EQ(Path(a, "AvgLimit/Hgt").text, "0.50000");
    EXPECT_EQ(Path(*app.child("Project", 1), "AvgLimit").childNames(), Names{"Pos"});
    const XmlTree& c = *app.child("Project", 2);
    EXPECT_EQ(c.childNames(), (Names{"Name", "ModifiedGrid"}));
    EXPECT_EQ(Path(c, "ModifiedGrid").childNames(), (Names{"FalseEasting", "FalseNorthing"}));
}

TEST_P(ProjectWrite, TimeSpansAreWrittenForZeroAndNegative) {
    VDXML_PROJECT p = NamedProject();
    p.Timezone = -0.125;  // three hours behind
    p.LeapSecond = 0.0;
    CVdXmlProject project;
    ASSERT_EQ(doc.InsertProject(p, project), S_OK);
    const XmlTree& pr = Path(Written(), "Project");
    EXPECT_EQ(pr.childNames(), (Names{"Name", "Timezone", "LeapSecond"}));
    EXPECT_EQ(pr.childText("Timezone").substr(0, 1), "-");
    EXPECT_NE(pr.childText("LeapSecond").find('P'), std::string::npos);
}

TEST_P(ProjectWrite, SecondCreateAddsElementAndKeepsOnlyItsChildren) {
    VDXML_PROJECT first = NamedProject(L"First");
    first.ModifiedGrid.ScaleFactor = 1.0;
    VDXML_PROJECT second = NamedProject(L"Second");
    second.AvgLimit.Pos = 0.1;
    CVdXmlProject project;
    ASSERT_EQ(doc.InsertProject(first, project), S_OK);
    ASSERT_NE(project.GetNode(CVdXmlProject::NODE_MODIFIEDGRID), nullptr);
    ASSERT_EQ(doc.InsertProject(second, project), S_OK);
    EXPECT_EQ(project.GetNode(CVdXmlProject::NODE_MODIFIEDGRID), nullptr);
    EXPECT_NE(project.GetNode(CVdXmlProject::NODE_AVGLIMIT), nullptr);
    // A refused call leaves the table as it was.
    EXPECT_EQ(doc.InsertProject(NamedProject(L""), project), E_FAIL);
    EXPECT_NE(project.GetNode(CVdXmlProject::NODE_AVGLIMIT), nullptr);
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("Project"), 2u);
    EXPECT_EQ(app.child("Project", 0)->childNames(), (Names{"Name", "ModifiedGrid"}));
    EXPECT_EQ(app.child("Project", 1)->childNames(), (Names{"Name", "AvgLimit"}));
}

VDXML_INSTANTIATE_BOTH_BACKENDS(ProjectWrite);

class PointWrite : public GeometryTest {
  protected:
    void SetUp() override {
        GeometryTest::SetUp();
        VDXML_PROJECT p;
        p.Name = L"Survey";
        ASSERT_EQ(doc.InsertProject(p, m_project), S_OK);
    }
    static VDXML_POINT Named(const wchar_t* name) {
        VDXML_POINT p;
        p.Name = name;
        return p;
    }
    const XmlTree& Pnt(std::size_t i) { return *Path(m_app, "Project").child("Pnt", i); }
    void Load() { m_app = Written(); }

    XmlTree m_app;
};

TEST_P(PointWrite, Refusals) {
    CVdXmlPoint point;
    EXPECT_EQ(m_project.InsertPoint(Named(L""), point), E_FAIL);
    CVdXmlNode orphan;
    EXPECT_EQ(point.Create(orphan, Named(L"P1")), E_FAIL);
    Load();
    EXPECT_EQ(Path(m_app, "Project").childNames(), Names{"Name"});
}

TEST_P(PointWrite, ChildrenByCondition) {
    VDXML_POINT full = Named(L"P1");
    full.Note = L"bolt";
    full.Class = VDXML_PNT_CLASS_CONTROL;
    full.SubClass = 14;
    full.Epoch = 53736.25;  // 2006-01-01 06:00
    VDXML_POINT subOnly = Named(L"P2");
    subOnly.SubClass = 1;
    VDXML_POINT epochZero = Named(L"P3");
    epochZero.Epoch = 0.0;  // a set epoch, 17 November 1858
    CVdXmlPoint point;
    ASSERT_EQ(m_project.InsertPoint(full, point), S_OK);
    ASSERT_EQ(m_project.InsertPoint(subOnly, point), S_OK);
    ASSERT_EQ(m_project.InsertPoint(epochZero, point), S_OK);
    ASSERT_EQ(m_project.InsertPoint(Named(L"P4"), point), S_OK);
    Load();
    EXPECT_EQ(Pnt(0).childNames(), (Names{"Name", "Note", "Cl", "SCl", "Epoch"}));
    EXPECT_EQ(Pnt(0).childText("Cl"), "8");
    EXPECT_EQ(Pnt(0).childText("SCl"), "14");
    EXPECT_EQ(Pnt(0).childText("Epoch"), "2006-01-01T06:00:00.0000");
    EXPECT_EQ(Pnt(0).child("Epoch")->attrs.at("dt:dt"), "datetime");
    EXPECT_EQ(Pnt(1).childNames(), (Names{"Name", "SCl"}));
    EXPECT_EQ(Pnt(2).childNames(), (Names{"Name", "Epoch"}));
    EXPECT_EQ(Pnt(2).childText("Epoch"), "1858-11-17T00:00:00.0000");
    EXPECT_EQ(Pnt(3).childNames(), Names{"Name"});
}

TEST_P(PointWrite, CodeWithoutTextFailsAfterItsEntry) {
    VDXML_POINT badClass = Named(L"P1");
    badClass.Class = 9;
    badClass.SubClass = 1;
    VDXML_POINT badSub = Named(L"P2");
    badSub.SubClass = 15;
    badSub.Epoch = 50000.0;
    CVdXmlPoint point;
    EXPECT_EQ(m_project.InsertPoint(badClass, point), E_FAIL);
    EXPECT_EQ(m_project.InsertPoint(badSub, point), E_FAIL);
    Load();
    EXPECT_EQ(Pnt(0).childNames(), (Names{"Name", "Cl"}));
    EXPECT_EQ(Pnt(0).childText("Cl"), "9");
    EXPECT_EQ(Pnt(1).childNames(), (Names{"Name", "SCl"}));
}

// Classes derived from the point write named sub-elements through the protected item-name
// writer, kept in the point's child-node table under ids of their choice.
class NamedPartPoint : public CVdXmlPoint {
  public:
    using CVdXmlPoint::InsertItemName;
};

TEST_P(PointWrite, DerivedClassesWriteNamedSubElements) {
    const auto id = static_cast<CVdXmlPoint::enmNode>(5);
    NamedPartPoint point;
    ASSERT_EQ(m_project.InsertPoint(Named(L"P1"), point), S_OK);
    VDXML_ITEMNAME part;
    CVdXmlNode* out = nullptr;
    EXPECT_EQ(point.InsertItemName(point, id, _bstr_t(L"Part"), part, out), E_FAIL);
    EXPECT_EQ(point.GetNode(id), nullptr);
    part.Name = L"Cover";
    part.Note = L"cast iron";
    ASSERT_EQ(point.InsertItemName(point, id, _bstr_t(L"Part"), part, out), S_OK);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(point.GetNode(id), out);
    EXPECT_EQ(point.InsertItemName(point, id, _bstr_t(L"Part"), part, out), E_FAIL);
    // A new Create releases the table's nodes.
    ASSERT_EQ(m_project.InsertPoint(Named(L"P2"), point), S_OK);
    EXPECT_EQ(point.GetNode(id), nullptr);
    Load();
    EXPECT_EQ(Pnt(0).childNames(), (Names{"Name", "Part"}));
    EXPECT_EQ(Path(Pnt(0), "Part").childNames(), (Names{"Name", "Note"}));
    EXPECT_EQ(Path(Pnt(0), "Part/Note").text, "cast iron");
    EXPECT_EQ(Pnt(1).childNames(), Names{"Name"});
}

VDXML_INSTANTIATE_BOTH_BACKENDS(PointWrite);

TEST(GeometryRecords, TypeCodesDefaultsAndCopies) {
    EXPECT_EQ(VDXML_PROJECT().nType, 9);
    EXPECT_EQ(VDXML_AVGLIMIT().nType, 7);
    EXPECT_EQ(VDXML_MODIFIEDGRID().nType, 8);
    EXPECT_EQ(VDXML_POINT().nType, 14);
    EXPECT_EQ(VDXML_QLTY().nType, 15);
    EXPECT_EQ(VDXML_CARTESIAN().nType, 16);
    EXPECT_EQ(VDXML_GEODETIC().nType, 17);
    EXPECT_EQ(VDXML_GRID().nType, 18);
    EXPECT_EQ(VDXML_COORD().nType, 19);
    EXPECT_EQ(VDXML_SD().nType, 20);
    EXPECT_EQ(VDXML_DCARTESIAN().nType, 21);
    EXPECT_EQ(VDXML_DGEODETIC().nType, 22);
    EXPECT_EQ(VDXML_DGRID().nType, 23);
    EXPECT_EQ(VDXML_DCOORD().nType, 24);

    const VDXML_PROJECT project;
    EXPECT_TRUE(VdXmlIsUndefined(project.Timezone));
    EXPECT_TRUE(VdXmlIsUndefined(project.LeapSecond));
    EXPECT_EQ(project.Created, 0.0);
    EXPECT_TRUE(VdXmlIsUndefined(VDXML_POINT().Epoch));

    VDXML_COORD coord;
    coord.bOmit = true;
    coord.LocalEnh.Flags = 0x11;
    coord.LocalEnh.Qlty.M0 = 2.0;
    const VDXML_COORD copy(coord);
    EXPECT_EQ(copy.nType, VDXML_TYPE_COORD);
    EXPECT_TRUE(copy.bOmit);
    EXPECT_EQ(copy.LocalEnh.nType, VDXML_TYPE_GRID);
    EXPECT_EQ(copy.LocalEnh.Flags, 0x11);
    EXPECT_EQ(copy.LocalEnh.Qlty.M0, 2.0);
    VDXML_POINT point;
    point.bOmit = true;
    point.Name = L"P1";
    VDXML_POINT assigned;
    assigned = point;
    EXPECT_TRUE(assigned.bOmit);
    EXPECT_EQ(assigned.Name, _bstr_t(L"P1"));
}

TEST(GeometryTexts, ClassSubclassSourceAndDimensionTexts) {
    const std::wstring classes[] = {L"Estimated", L"Navigated", L"SPP",      L"Measured",
                                    L"Averaged",  L"Reference", L"Adjusted", L"Control"};
    for (int code = 1; code <= 8; ++code)
        EXPECT_EQ(TextOf(VdXml::enumPointClass.Find(code)), classes[code - 1]) << code;
    EXPECT_EQ(VdXml::enumPointClass.Find(0), nullptr);
    EXPECT_EQ(VdXml::enumPointClass.Find(9), nullptr);
    EXPECT_EQ(VdXml::enumPointSubClass.size(), 14u);
    EXPECT_EQ(TextOf(VdXml::enumPointSubClass.Find(3)), L"Adjusted Position and Height");
    EXPECT_EQ(TextOf(VdXml::enumPointSubClass.Find(13)), L"HiddenPoint Solution");
    EXPECT_EQ(VdXml::enumPointSubClass.Find(15), nullptr);
    EXPECT_EQ(TextOf(VdXml::enumCoordSource.Find(2)), L"Fixed by Digitize Table");
    EXPECT_EQ(TextOf(VdXml::enumCoordSource.Find(9)), L"User entered");
    EXPECT_EQ(VdXml::enumCoordSource.Find(10), nullptr);
    EXPECT_EQ(TextOf(VdXml::enumCoordType.Find(2)), L"2D");
    EXPECT_EQ(VdXml::enumCoordType.Find(0), nullptr);
}

TEST(GeometryTexts, AveragingStatusJoinsSetBitsInOrder) {
    EXPECT_EQ(VdXml::AvgStatusText(0x05), _bstr_t(L"Use never, Not used"));
    EXPECT_EQ(VdXml::AvgStatusText(0x0F),
              _bstr_t(L"Use never, Use always, Not used, Out of limit"));
    EXPECT_EQ(VdXml::AvgStatusText(0x18), _bstr_t(L"Out of limit"));
    EXPECT_TRUE(VdXml::AvgStatusText(0xF0).empty());
    EXPECT_TRUE(VdXml::AvgStatusText(0).empty());
}

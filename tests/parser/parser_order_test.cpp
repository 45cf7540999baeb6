// The order of the notifications and what the table of current records holds during each:
// every element's open before its descendants, its close after them, and the records of all
// enclosing elements in their slots.
#include "parser/parser_fixture.h"
#include "vdxml/coord.h"
#include "vdxml/point.h"
#include "vdxml/project.h"

using namespace vdxml_test;

namespace {

const Names kOnePointWithCoordinate = {"OnVdXmlBegin",   "OnProject",    "OnPoint",
                                       "OnCoord",        "OnCoordClose", "OnPointClose",
                                       "OnProjectClose", "OnVdXmlClose"};

using ParserOrder = ParserTest;

TEST_F(ParserOrder, NestedElementsOpenOutsideInAndCloseInsideOut) {
    ASSERT_EQ(ParseXml(FileXml(PointXml("P1"))), S_OK);
    EXPECT_EQ(log.Names(), kOnePointWithCoordinate);
}

TEST_F(ParserOrder, RootElementAloneGivesOneBeginAndOneClose) {
    ASSERT_EQ(ParseXml("<Company/>"), S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnVdXmlClose"}));
}

TEST_F(ParserOrder, SiblingsFollowDocumentOrder) {
    const std::string tps =
        "<TpsSetup><InstrHgt>1.5</InstrHgt><TpsSetupDetails/><TpsObsSet><Hz>1</Hz></TpsObsSet>"
        "</TpsSetup>";
    ASSERT_EQ(ParseXml(FileXml(PointXml("P1") + tps + "<Pnt><Name>P2</Name><DCrd/></Pnt>")), S_OK);
    EXPECT_EQ(log.Names(),
              (Names{"OnVdXmlBegin", "OnProject", "OnPoint", "OnCoord", "OnCoordClose",
                     "OnPointClose", "OnTpsSetup", "OnTpsSetupDetails", "OnTpsSetupDetailsClose",
                     "OnTpsObsSet", "OnTpsObsSetClose", "OnTpsSetupClose", "OnPoint", "OnDCoord",
                     "OnDCoordClose", "OnPointClose", "OnProjectClose", "OnVdXmlClose"}));
}

TEST_F(ParserOrder, ParserCanBeUsedAgain) {
    ASSERT_EQ(ParseXml(FileXml(PointXml("P1"))), S_OK);
    ASSERT_EQ(ParseXml("<Company/>"), S_OK);
    ASSERT_EQ(ParseXml(FileXml(PointXml("P1"))), S_OK);
    Names expected = kOnePointWithCoordinate;
    expected.insert(expected.end(), {"OnVdXmlBegin", "OnVdXmlClose"});
    expected.insert(expected.end(), kOnePointWithCoordinate.begin(), kOnePointWithCoordinate.end());
    EXPECT_EQ(log.Names(), expected);
    // A second parse starts from an empty table.
    EXPECT_EQ(log.Entries()[8].slots, kSlotRoot);
}

using ParserSlots = ParserTest;

TEST_F(ParserSlots, EachNotificationSeesItsRecordAndEveryEnclosingOne) {
    ASSERT_EQ(ParseXml(FileXml(PointXml("P1"))), S_OK);
    const std::uint32_t root = kSlotRoot, project = root | kSlotProject;
    const std::uint32_t point = project | kSlotPoint, coord = point | kSlotCoord;
    const std::vector<std::uint32_t> expected = {root,  project, point,   coord,
                                                 coord, point,   project, root};
    ASSERT_EQ(log.Entries().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(log.Entries()[i].slots, expected[i]) << log.Entries()[i].name;
}

TEST_F(ParserSlots, ReleasedRecordsLeaveTheirSlots) {
    ASSERT_EQ(ParseXml(FileXml(PointXml("P1") + "<Pnt><Name>P2</Name></Pnt><DCrd/>")), S_OK);
    ASSERT_EQ(log.Entries().size(), 12u);
    // The second point opens without the first point's coordinate.
    EXPECT_EQ(log.Entries()[6].name, "OnPoint");
    EXPECT_EQ(log.Entries()[6].slots, kSlotRoot | kSlotProject | kSlotPoint);
    // The difference after both points sees no point at all.
    EXPECT_EQ(log.Entries()[8].name, "OnDCoord");
    EXPECT_EQ(log.Entries()[8].slots, kSlotRoot | kSlotProject | kSlotDCoord);
}

TEST_F(ParserSlots, RecordsCarryTheValuesOfTheirElements) {
    int checked = 0;
    log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE* t) {
        if (name != "OnCoord" && name != "OnCoordClose") return;
        ++checked;
        ASSERT_NE(t->pRoot, nullptr);
        EXPECT_EQ(t->pRoot->nType, VDXML_TYPE_ROOT);
        EXPECT_EQ(t->pRoot->Company, _bstr_t(L"Survey Co"));
        EXPECT_EQ(t->pRoot->Application, _bstr_t(L"Field App"));
        EXPECT_EQ(t->pProject->nType, VDXML_TYPE_PROJECT);
        EXPECT_EQ(t->pProject->Name, _bstr_t(L"Survey"));
        EXPECT_EQ(t->pPoint->nType, VDXML_TYPE_POINT);
        EXPECT_EQ(t->pPoint->Name, _bstr_t(L"P2"));
        EXPECT_EQ(t->pCoord->nType, VDXML_TYPE_COORD);
        EXPECT_DOUBLE_EQ(t->pCoord->LocalEnh.E, 300.75);
        EXPECT_DOUBLE_EQ(t->pCoord->LocalEnh.N, 200.25);
        EXPECT_EQ(t->pReserved, nullptr);
    };
    ASSERT_EQ(ParseXml(FileXml("<Pnt><Name>P1</Name></Pnt>" + PointXml("P2", "300.75"))), S_OK);
    EXPECT_EQ(checked, 2);
}

TEST_F(ParserSlots, InnerElementOfTheSameKindHidesTheOuterOnlyWhileOpen) {
    std::vector<std::string> seen;
    log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE* t) {
        seen.push_back(name + ":" + (t->pPoint ? t->pPoint->Name.utf8() : std::string("-")));
    };
    ASSERT_EQ(ParseXml(FileXml("<Pnt><Name>A</Name>" + PointXml("B") + "<DCrd/></Pnt>")), S_OK);
    EXPECT_EQ(seen, (Names{"OnVdXmlBegin:-", "OnProject:-", "OnPoint:A", "OnPoint:B", "OnCoord:B",
                           "OnCoordClose:B", "OnPointClose:B", "OnDCoord:A", "OnDCoordClose:A",
                           "OnPointClose:A", "OnProjectClose:-", "OnVdXmlClose:-"}));
}

}  // namespace

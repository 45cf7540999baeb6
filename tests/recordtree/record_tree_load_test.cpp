// Loading files into a record tree and replaying them: each load adds one file in front, the
// records are the tree's own copies, and the replay shows them as the parser did.
#include <memory>

#include "recordtree/record_tree_fixture.h"
#include "vdxml/document.h"
#include "vdxml/point.h"
#include "vdxml/project.h"

using namespace vdxml_test;

namespace {

const Names kTwoPoints = {"OnVdXmlBegin", "OnProject",    "OnPoint",        "OnPointClose",
                          "OnPoint",      "OnPointClose", "OnProjectClose", "OnVdXmlClose"};
const Names kOnePoint = {"OnVdXmlBegin", "OnProject",      "OnPoint",
                         "OnPointClose", "OnProjectClose", "OnVdXmlClose"};

std::string CompanyAt(CVdXmlTree& tree, int index) {
    const VDXML_BASE* record = tree.GetNode(index);
    if (!record || record->nType != VDXML_TYPE_ROOT) return "<no root>";
    return static_cast<const VDXML_ROOT*>(record)->Company.utf8();
}

using RecordTreeLoad = RecordTreeTest;

TEST_F(RecordTreeLoad, SecondFileGoesFirstAndIsTheOneScanned) {
    ASSERT_EQ(LoadXml(SurveyXml("First", {{"A", ""}}), "a.xml"), S_OK);
    ASSERT_EQ(LoadXml(SurveyXml("Second", {{"B1", ""}, {"B2", ""}}), "b.xml"), S_OK);
    EXPECT_EQ(tree.GetFileCount(), 2);
    EXPECT_EQ(CompanyAt(tree, 0), "Second");
    EXPECT_EQ(NameAt(2), "B1");
    EXPECT_EQ(NameAt(3), "B2");
    EXPECT_EQ(CompanyAt(tree, 4), "First");
    EXPECT_EQ(NameAt(6), "A");
    EXPECT_EQ(tree.GetNode(7), nullptr);

    std::vector<std::string> companies;
    log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE* t) {
        if (name == "OnVdXmlBegin") companies.push_back(t->pRoot->Company.utf8());
    };
    EXPECT_EQ(Replay(), kTwoPoints);
    EXPECT_EQ(Replay(1), kOnePoint);
    EXPECT_EQ(companies, (Names{"Second", "First"}));
    EXPECT_TRUE(Replay(2).empty());
    EXPECT_TRUE(Replay(-1).empty());
}

TEST_F(RecordTreeLoad, FailedLoadsLeaveTheTreeAsItWas) {
    ASSERT_EQ(LoadXml(SurveyXml("First", {{"A", ""}})), S_OK);
    EXPECT_EQ(tree.Load(dir.file("absent.xml").c_str()), E_FAIL);
    EXPECT_EQ(tree.Load(nullptr), E_FAIL);
    EXPECT_EQ(tree.Load(""), E_FAIL);
    EXPECT_EQ(LoadXml("<Company><Pnt></Company>", "broken.xml"), E_FAIL);
    EXPECT_EQ(tree.GetFileCount(), 1);
    EXPECT_EQ(CompanyAt(tree, 0), "First");
    EXPECT_EQ(Replay(), kOnePoint);
}

TEST_F(RecordTreeLoad, ElementsWhoseReadersFailAreMissing) {
    const std::string epoch =
        "<Epoch xmlns:dt=\"urn:schemas-microsoft-com:datatypes\" "
        "dt:dt=\"datetime\">9999-12-31T12:00:00</Epoch>" +
        CoordXml("1");
    ASSERT_EQ(LoadXml(SurveyXml("Survey Co", {{"Bad", epoch}, {"Good", ""}})), S_OK);
    EXPECT_EQ(NameAt(2), "Good");
    EXPECT_EQ(tree.GetNode(3), nullptr);
}

TEST_F(RecordTreeLoad, ReplayHandsOverTheTreesRecordsWithEveryEnclosingOne) {
    ASSERT_EQ(LoadXml(SurveyXml("Survey Co", {{"P1", CoordXml("7.5")}})), S_OK);
    int checked = 0;
    log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE* t) {
        if (name != "OnCoord") return;
        ++checked;
        EXPECT_EQ(static_cast<VDXML_BASE*>(t->pRoot), tree.GetNode(0));
        EXPECT_EQ(static_cast<VDXML_BASE*>(t->pProject), tree.GetNode(1));
        EXPECT_EQ(static_cast<VDXML_BASE*>(t->pPoint), tree.GetNode(2));
        EXPECT_EQ(static_cast<VDXML_BASE*>(t->pCoord), tree.GetNode(3));
    };
    Replay();
    EXPECT_EQ(checked, 1);
    // Every slot is empty again once the replay is over: a second replay starts clean.
    Replay();
    EXPECT_EQ(log.Entries()[0].slots, kSlotRoot);
}

TEST_F(RecordTreeLoad, RecordsAreTheTreesOwnCopies) {
    ASSERT_EQ(LoadXml(SurveyXml("Survey Co", {{"P1", CoordXml("7.5")}})), S_OK);
    // The parser's records are gone; the copies still hold every value read.
    auto* point = static_cast<VDXML_POINT*>(tree.GetNode(2));
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->Name, _bstr_t(L"P1"));
    EXPECT_DOUBLE_EQ(static_cast<VDXML_COORD*>(tree.GetNode(3))->LocalEnh.E, 7.5);
    // A change made through GetNode is what the next replay shows.
    point->Name = L"Renamed";
    std::string replayed;
    log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE* t) {
        if (name == "OnPoint") replayed = t->pPoint->Name.utf8();
    };
    Replay();
    EXPECT_EQ(replayed, "Renamed");
}

TEST_F(RecordTreeLoad, ReplayIntoAnotherTreeCopiesTheFileWithoutOmittedBranches) {
    CVdXmlTree copy;
    {
        auto source = std::make_unique<CVdXmlTree>();
        const std::string path = WriteXmlFile(
            dir.path(), "in.xml", SurveyXml("Survey Co", {{"P1", CoordXml("3")}, {"P2", ""}}));
        ASSERT_EQ(source->Load(path.c_str()), S_OK);
        ASSERT_EQ(source->OmitNode(4, true, false), S_OK);  // P2
        ASSERT_EQ(source->Scan(&copy), S_OK);
    }  // the source's records are deleted here
    EXPECT_EQ(copy.GetFileCount(), 1);
    EXPECT_EQ(CompanyAt(copy, 0), "Survey Co");
    ASSERT_NE(copy.GetNode(2), nullptr);
    EXPECT_EQ(static_cast<VDXML_POINT*>(copy.GetNode(2))->Name, _bstr_t(L"P1"));
    EXPECT_DOUBLE_EQ(static_cast<VDXML_COORD*>(copy.GetNode(3))->LocalEnh.E, 3.0);
    EXPECT_EQ(copy.GetNode(4), nullptr);
}

TEST_F(RecordTreeLoad, ElementsOutsideTheRootElementAreDropped) {
    ASSERT_EQ(LoadXml("<Archive><Pnt><Name>Before</Name>" + CoordXml("1") +
                      "</Pnt><Company><Project><Name>Survey</Name></Project></Company>"
                      "<Project><Name>After</Name><Pnt/></Project></Archive>"),
              S_OK);
    EXPECT_EQ(tree.GetFileCount(), 1);
    EXPECT_EQ(tree.GetNode(0)->nType, VDXML_TYPE_ROOT);
    EXPECT_EQ(NameAt(1), "Survey");
    EXPECT_EQ(tree.GetNode(2), nullptr);
}

TEST_F(RecordTreeLoad, NestedRootStartsAFileAndTheEnclosingElementGoesOn) {
    ASSERT_EQ(LoadXml("<Company><Name>Outer</Name><Project><Name>Survey</Name>"
                      "<Company><Name>Inner</Name></Company><Pnt><Name>After</Name></Pnt>"
                      "</Project></Company>"),
              S_OK);
    EXPECT_EQ(tree.GetFileCount(), 2);
    EXPECT_EQ(CompanyAt(tree, 0), "Inner");
    EXPECT_EQ(CompanyAt(tree, 1), "Outer");
    EXPECT_EQ(NameAt(2), "Survey");
    EXPECT_EQ(NameAt(3), "After");
    EXPECT_EQ(Replay(), (Names{"OnVdXmlBegin", "OnVdXmlClose"}));
    EXPECT_EQ(Replay(1), kOnePoint);
}

using RecordTreeNotifications = ::testing::Test;

TEST_F(RecordTreeNotifications, UnknownTypeCodeEndsItsBranchDuringReplay) {
    OpenRecordTree tree;
    VdXml::_CURRENCYTABLE table;
    VDXML_ROOT root;
    VDXML_PROJECT project;
    VDXML_POINT odd, normal;
    VDXML_COORD coord;
    odd.nType = 99;
    normal.Name = L"Normal";
    table.pRoot = &root;
    tree.OnVdXmlBegin(&table);
    table.pProject = &project;
    tree.OnProject(&table);
    table.pPoint = &odd;
    tree.OnPoint(&table);
    table.pCoord = &coord;
    tree.OnCoord(&table);
    tree.OnCoordClose(&table);
    tree.OnPointClose(&table);
    // A point claiming to be a project would be replayed as one: it is not taken.
    VDXML_POINT disguised;
    disguised.nType = VDXML_TYPE_PROJECT;
    table.pPoint = &disguised;
    tree.OnPoint(&table);
    tree.OnPointClose(&table);
    table.pPoint = &normal;
    tree.OnPoint(&table);
    tree.OnPointClose(&table);
    tree.OnProjectClose(&table);
    tree.OnVdXmlClose(&table);
    // The copy of the odd point carries its code along; its coordinate is stored below it.
    ASSERT_NE(tree.GetNode(2), nullptr);
    EXPECT_EQ(tree.GetNode(2)->nType, 99);
    ASSERT_NE(tree.GetNode(4), nullptr);
    EXPECT_EQ(tree.GetNode(3)->nType, VDXML_TYPE_COORD);
    EXPECT_EQ(tree.GetNode(4)->nType, VDXML_TYPE_POINT);
    EXPECT_EQ(tree.GetNode(5), nullptr);

    NotificationLog log;
    EXPECT_EQ(tree.Scan(&log), S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnProject", "OnPoint", "OnPointClose",
                                  "OnProjectClose", "OnVdXmlClose"}));
    log.Clear();
    EXPECT_EQ(tree.WalkTree(tree._GetNode(2), &log), E_FAIL);
    EXPECT_TRUE(log.Entries().empty());
    // A parent's result is that of its last child.
    EXPECT_EQ(tree.WalkTree(tree._GetNode(1), &log), S_OK);
    EXPECT_EQ(tree.WalkTree(tree._GetNode(0), nullptr), E_FAIL);
    EXPECT_EQ(tree.WalkTree(tree._GetNode(9), &log), E_FAIL);
    EXPECT_EQ(tree._OmitNode(tree._GetNode(9), true, true), E_FAIL);
}

TEST_F(RecordTreeNotifications, OpenWithoutRecordIsDroppedWithEverythingInsideIt) {
    OpenRecordTree tree;
    VdXml::_CURRENCYTABLE table;
    VDXML_ROOT root;
    VDXML_POINT point;
    VDXML_COORD coord;
    table.pRoot = &root;
    tree.OnVdXmlBegin(&table);
    tree.OnProject(&table);  // empty project slot
    table.pPoint = &point;
    tree.OnPoint(&table);
    tree.OnPointClose(&table);
    tree.OnProjectClose(&table);
    tree.OnPoint(nullptr);  // no table at all
    table.pCoord = &coord;
    tree.OnCoord(&table);
    tree.OnCoordClose(&table);
    tree.OnPointClose(nullptr);
    // Back at the root: this point is attached to it.
    tree.OnPoint(&table);
    tree.OnPointClose(&table);
    tree.OnVdXmlClose(&table);
    ASSERT_NE(tree.GetNode(1), nullptr);
    EXPECT_EQ(tree.GetNode(1)->nType, VDXML_TYPE_POINT);
    EXPECT_EQ(tree.GetNode(2), nullptr);
    // Nothing is open any more: a point now has nowhere to go.
    tree.OnPoint(&table);
    tree.OnPointClose(&table);
    EXPECT_EQ(tree.GetNode(2), nullptr);
}

}  // namespace

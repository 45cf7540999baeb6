// The record tree. On hand-written files: files addressed in pre-order with the last loaded
// first, omitted marks and the replay that honours them, and records that have nowhere to go.
// On the tool's sample survey: replayed from the tree and parsed straight into the record
// rewriter, it gives the same golden file; the notifications follow the elements of the file;
// an omitted branch is missing from the replay and nothing else is.
#include <climits>

#include "reading/reading_fixture.h"
#include "sample_survey.h"
#include "support/golden.h"
#include "support/record_rewriter.h"

using namespace vdxml_test;

namespace {

using Indices = std::vector<int>;

class RecordTreeTest : public ReadingTest {
  protected:
    long LoadXml(const std::string& xml) {
        path = WriteBytes(dir.file("in.xml"), xml);
        return tree.Load(path.c_str());
    }

    CVdXmlTree tree;
};

TEST_F(RecordTreeTest, FilesAreAddressedInPreOrderTheLastLoadedFirst) {
    // Elements outside the root element have nowhere to go.
    ASSERT_EQ(LoadXml("<Archive><Pnt><Crd/></Pnt><Company><Project/></Company><Project><Pnt/>"
                      "</Project></Archive>"),
              S_OK);
    // Failed loads add nothing, also when the file breaks after its first elements.
    for (const char* name : {static_cast<const char*>(nullptr), ""})
        EXPECT_EQ(tree.Load(name), E_FAIL);
    EXPECT_EQ(tree.Load("/nonexistent.xml"), HRESULT_FROM_WIN32(2));
    EXPECT_EQ(LoadXml("<Company><Pnt></Company>") & 0xFFFF0000L, static_cast<long>(0xC00C0000L));
    // A nested root starts a file; what follows it is attached to the element around it.
    ASSERT_EQ(LoadXml("<Company><Project><Company/><Pnt><Crd/></Pnt></Project></Company>"), S_OK);
    EXPECT_EQ(tree.GetFileCount(), 3);
    EXPECT_EQ(Replayed(tree, log), Indices{0});
    EXPECT_EQ(Replayed(tree, log, 2), (Indices{5, 6}));
    EXPECT_EQ(Replayed(tree, log, 1), (Indices{1, 2, 3, 4}));
    EXPECT_EQ(Logged(log), Walk("Company Project Pnt Crd /Crd /Pnt /Project /Company"));
    EXPECT_EQ(Replayed(tree, log, 3).size() + Replayed(tree, log, -1).size(), 0u);
    EXPECT_EQ(tree.Scan(nullptr), S_OK);
    for (int outside : {-1, 7, INT_MIN, INT_MAX}) EXPECT_EQ(tree.GetNode(outside), nullptr);
}

TEST_F(RecordTreeTest, OmittedNodesAreLeftOutWithEverythingBelowThem) {
    // 0 root, 1 project, 2 point, 3 its coordinate, 4 point.
    ASSERT_EQ(LoadXml("<Company><Project><Pnt><Crd/></Pnt><Pnt/></Project></Company>"), S_OK);
    // clang-format off
    struct Omit { int index; bool omit, recursive; };
    const struct { std::vector<Omit> omits; std::string marks; Indices replayed; } cases[] = {
        {{{1, true, false}}, "01000", {0}},
        {{{1, true, false}, {1, false, false}}, "00000", {0, 1, 2, 3, 4}},
        {{{0, true, true}, {2, false, false}}, "11011", {}},
        {{{2, true, true}}, "00110", {0, 1, 4}},
        {{{2, true, true}, {2, false, true}}, "00000", {0, 1, 2, 3, 4}},
        {{{4, true, true}}, "00001", {0, 1, 2, 3}},
        {{{3, true, false}}, "00010", {0, 1, 2, 4}},
        {{{-1, true, true}, {5, true, true}, {5, true, false}}, "00000", {0, 1, 2, 3, 4}}};
    // clang-format on
    for (const auto& c : cases) {
        ASSERT_EQ(tree.OmitNode(0, false, true), S_OK);
        for (const Omit& o : c.omits)
            EXPECT_EQ(tree.OmitNode(o.index, o.omit, o.recursive),
                      o.index >= 0 && o.index < 5 ? S_OK : E_FAIL);
        std::string marks;
        for (int i = 0; tree.GetNode(i); ++i) marks += tree.GetNode(i)->bOmit ? '1' : '0';
        EXPECT_EQ(marks, c.marks);
        EXPECT_EQ(Replayed(tree, log), c.replayed) << c.marks;
    }
}

TEST_F(RecordTreeTest, RecordsWithoutAPlaceAreDropped) {
    IVdXmlNotifications& notify = tree;
    VdXml::_CURRENCYTABLE table;
    VDXML_ROOT root;
    VDXML_PROJECT project;
    VDXML_POINT normal, odd, disguised;
    VDXML_COORD coord;
    odd.nType = 99;                        // a code of no kind: kept, ends its branch
    disguised.nType = VDXML_TYPE_PROJECT;  // would be replayed as a project: dropped
    table.pRoot = &root;
    table.pProject = &project;
    table.pCoord = &coord;
    notify.OnVdXmlBegin(&table);
    notify.OnProject(&table);
    for (VDXML_POINT* point : {&odd, &disguised, static_cast<VDXML_POINT*>(nullptr), &normal}) {
        table.pPoint = point;
        notify.OnPoint(point ? &table : nullptr);  // none: dropped with everything inside
        notify.OnCoord(&table);
        notify.OnCoordClose(&table);
        notify.OnPointClose(&table);
    }
    notify.OnProjectClose(&table);
    notify.OnVdXmlClose(&table);
    notify.OnPoint(&table);  // nothing is open any more
    ASSERT_TRUE(tree.GetNode(2) && tree.GetNode(2)->nType == 99);
    EXPECT_EQ(tree.GetNode(6), nullptr);
    EXPECT_EQ(Replayed(tree, log), (Indices{0, 1, 4, 5}));
    EXPECT_EQ(Logged(log), Walk("Company Project Pnt Crd /Crd /Pnt /Project /Company"));
}

class SurveyTest : public RecordTreeTest {
  protected:
    void SetUp() override {
        RecordTreeTest::SetUp();
        path = dir.file("sample.xml");
        ASSERT_EQ(vdxml_cli::WriteSampleSurvey({path, IVdXmlDoc::DOCTYPE_DOM, 3}, nullptr), S_OK);
        ASSERT_EQ(tree.Load(path.c_str()), S_OK);
    }
};

TEST_F(SurveyTest, ReplayAndParseHandOverTheSameRecords) {
    RecordRewriter replayed(dir.file("replayed.xml")), parsed(dir.file("parsed.xml"));
    parser.SetCallbackInterface(&parsed);
    ASSERT_EQ(tree.Scan(&replayed), S_OK);
    ASSERT_EQ(parser.Parse(path.c_str()), S_OK);
    // Their readers restore no value that their writers take: the coordinate system (with
    // everything below it) and the setup details are missing from both.
    // clang-format off
    const Names refused = {"CoordinateSystem", "TrfResidual", "Crd", "Crd", "DCrd", "TrfResidual",
        "Crd", "Crd", "DCrd", "TrfResidual", "Crd", "Crd", "DCrd", "TpsSetupDetails"};
    // clang-format on
    for (RecordRewriter* rewriter : {&replayed, &parsed}) {
        EXPECT_EQ(rewriter->Save(), S_OK);
        EXPECT_EQ(rewriter->Refused(), refused);
    }
    ExpectGolden(dir.file("replayed.xml"), "reading/sample-survey-read");
    ExpectGolden(dir.file("parsed.xml"), "reading/sample-survey-read");
}

TEST_F(SurveyTest, NotificationsFollowTheElementsOfTheFile) {
    const std::string elements = KnownElements(LoadXmlTree(path));
    for (const Kind& kind : kKinds)  // the survey holds every kind
        EXPECT_NE(elements.find("/" + kind.element + " "), std::string::npos) << kind.element;
    const Names expected = Walk(elements);
    ASSERT_EQ(parser.Parse(path.c_str()), S_OK);
    EXPECT_EQ(Logged(log), expected);
    // The replay sends the same, handing over the tree's records in pre-order.
    const Indices indices = Replayed(tree, log);
    EXPECT_EQ(Logged(log), expected);
    for (std::size_t i = 0; i < indices.size(); ++i) EXPECT_EQ(indices[i], static_cast<int>(i));
    EXPECT_EQ(tree.GetNode(static_cast<int>(indices.size())), nullptr);
}

TEST_F(SurveyTest, AnOmittedBranchIsMissingAndNothingElse) {
    Indices points;  // P1, P2 with everything below it, P3
    for (int i = 0; tree.GetNode(i); ++i)
        if (tree.GetNode(i)->nType == VDXML_TYPE_POINT) points.push_back(i);
    const int p2 = points.at(1), p3 = points.at(2);
    Indices expected = Replayed(tree, log);
    expected.erase(expected.begin() + p2, expected.begin() + p3);
    ASSERT_EQ(tree.OmitNode(p2, true, false), S_OK);
    EXPECT_EQ(Replayed(tree, log), expected);
    const Names omitted = Logged(log);
    // A copy made by a replay leaves the branch out and outlives the tree it came from.
    CVdXmlTree copy;
    {
        CVdXmlTree source;
        ASSERT_EQ(source.Load(path.c_str()), S_OK);
        ASSERT_EQ(source.OmitNode(p2, true, true), S_OK);
        ASSERT_EQ(source.Scan(&copy), S_OK);
    }
    EXPECT_EQ(Replayed(copy, log).size(), expected.size());
    EXPECT_EQ(Logged(log), omitted);
}

}  // namespace

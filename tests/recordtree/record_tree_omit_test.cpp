// Omitted marks: set on one node or a whole subtree, kept in the records, and honoured by the
// replay, which leaves out an omitted node with everything below it.
#include "recordtree/record_tree_fixture.h"

using namespace vdxml_test;

namespace {

const Names kRootOnly = {"OnVdXmlBegin", "OnVdXmlClose"};
const Names kFull = {"OnVdXmlBegin", "OnProject", "OnPoint",      "OnCoord",        "OnCoordClose",
                     "OnPointClose", "OnPoint",   "OnPointClose", "OnProjectClose", "OnVdXmlClose"};

class RecordTreeOmit : public RecordTreeTest {
  protected:
    // 0 root, 1 project, 2 point P1, 3 its coordinate, 4 point P2.
    void SetUp() override {
        ASSERT_EQ(LoadXml(SurveyXml("Survey Co", {{"P1", CoordXml("5")}, {"P2", ""}})), S_OK);
        ASSERT_EQ(Replay(), kFull);
    }
    std::vector<bool> Marks() {
        std::vector<bool> marks;
        for (int i = 0; tree.GetNode(i); ++i) marks.push_back(tree.GetNode(i)->bOmit);
        return marks;
    }
};

TEST_F(RecordTreeOmit, OmittedProjectHidesItsPointsButLeavesTheirMarks) {
    ASSERT_EQ(tree.OmitNode(1, true, false), S_OK);
    EXPECT_EQ(Marks(), (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(Replay(), kRootOnly);
    ASSERT_EQ(tree.OmitNode(1, false, false), S_OK);
    EXPECT_EQ(Replay(), kFull);
}

TEST_F(RecordTreeOmit, OmittedRootHidesEverythingWhateverTheMarksBelow) {
    ASSERT_EQ(tree.OmitNode(0, true, true), S_OK);
    ASSERT_EQ(tree.OmitNode(2, false, false), S_OK);
    EXPECT_EQ(Marks(), (std::vector<bool>{true, true, false, true, true}));
    EXPECT_TRUE(Replay().empty());
}

TEST_F(RecordTreeOmit, RecursiveMarkCoversTheSubtreeAndNoSibling) {
    ASSERT_EQ(tree.OmitNode(2, true, true), S_OK);
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, true, true, false}));
    EXPECT_EQ(Replay(), (Names{"OnVdXmlBegin", "OnProject", "OnPoint", "OnPointClose",
                               "OnProjectClose", "OnVdXmlClose"}));
    ASSERT_EQ(tree.OmitNode(2, false, true), S_OK);
    EXPECT_EQ(Marks(), (std::vector<bool>(5, false)));
    EXPECT_EQ(Replay(), kFull);
}

TEST_F(RecordTreeOmit, RecursiveMarkOfTheLastNodeStopsAtTheEnd) {
    ASSERT_EQ(tree.OmitNode(4, true, true), S_OK);
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, false, false, true}));
}

TEST_F(RecordTreeOmit, OmittedLeafLeavesItsParentReported) {
    ASSERT_EQ(tree.OmitNode(3, true, false), S_OK);
    EXPECT_EQ(Replay(), (Names{"OnVdXmlBegin", "OnProject", "OnPoint", "OnPointClose", "OnPoint",
                               "OnPointClose", "OnProjectClose", "OnVdXmlClose"}));
}

TEST_F(RecordTreeOmit, IndexOutOfRangeIsRefusedAndChangesNothing) {
    EXPECT_EQ(tree.OmitNode(-1, true, true), E_FAIL);
    EXPECT_EQ(tree.OmitNode(5, true, true), E_FAIL);
    EXPECT_EQ(tree.OmitNode(5, true, false), E_FAIL);
    EXPECT_EQ(Marks(), (std::vector<bool>(5, false)));
    EXPECT_EQ(Replay(), kFull);
}

}  // namespace

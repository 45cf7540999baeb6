// Addressing the nodes of a record tree by their pre-order index.
#include <climits>

#include "recordtree/record_tree_fixture.h"
#include "vdxml/document.h"

using namespace vdxml_test;

namespace {

using RecordTreeIndex = RecordTreeTest;

TEST_F(RecordTreeIndex, RootProjectAndPointsInPreOrder) {
    ASSERT_EQ(LoadXml(SurveyXml("Survey Co", {{"P1", ""}, {"P2", ""}})), S_OK);
    ASSERT_NE(tree.GetNode(0), nullptr);
    EXPECT_EQ(tree.GetNode(0)->nType, VDXML_TYPE_ROOT);
    EXPECT_EQ(static_cast<VDXML_ROOT*>(tree.GetNode(0))->Company, _bstr_t(L"Survey Co"));
    ASSERT_NE(tree.GetNode(1), nullptr);
    EXPECT_EQ(tree.GetNode(1)->nType, VDXML_TYPE_PROJECT);
    EXPECT_EQ(NameAt(1), "Survey");
    ASSERT_NE(tree.GetNode(2), nullptr);
    EXPECT_EQ(tree.GetNode(2)->nType, VDXML_TYPE_POINT);
    EXPECT_EQ(NameAt(2), "P1");
    EXPECT_EQ(NameAt(3), "P2");
    EXPECT_EQ(tree.GetNode(4), nullptr);
    EXPECT_EQ(tree.GetFileCount(), 1);
}

TEST_F(RecordTreeIndex, ChildrenComeBeforeLaterSiblings) {
    ASSERT_EQ(LoadXml(SurveyXml("Survey Co", {{"P1", CoordXml("5") + "<DCrd/>"}, {"P2", ""}})),
              S_OK);
    const std::int32_t expected[] = {VDXML_TYPE_ROOT,  VDXML_TYPE_PROJECT, VDXML_TYPE_POINT,
                                     VDXML_TYPE_COORD, VDXML_TYPE_DCOORD,  VDXML_TYPE_POINT};
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(tree.GetNode(i), nullptr) << i;
        EXPECT_EQ(tree.GetNode(i)->nType, expected[i]) << i;
        EXPECT_FALSE(tree.GetNode(i)->bOmit) << i;
    }
    EXPECT_EQ(NameAt(5), "P2");
    EXPECT_EQ(tree.GetNode(6), nullptr);
}

TEST_F(RecordTreeIndex, IndicesOutOfRangeGiveNoRecord) {
    ASSERT_EQ(LoadXml(SurveyXml("Survey Co", {{"P1", ""}})), S_OK);
    EXPECT_EQ(tree.GetNode(-1), nullptr);
    EXPECT_EQ(tree.GetNode(INT_MIN), nullptr);
    EXPECT_EQ(tree.GetNode(3), nullptr);
    EXPECT_EQ(tree.GetNode(INT_MAX), nullptr);
}

TEST_F(RecordTreeIndex, EmptyTreeHasNothingToGiveOrReplay) {
    EXPECT_EQ(tree.GetNode(0), nullptr);
    EXPECT_EQ(tree.GetFileCount(), 0);
    EXPECT_EQ(tree.OmitNode(0, true, true), E_FAIL);
    EXPECT_TRUE(Replay().empty());
    EXPECT_EQ(tree.Scan(nullptr), S_OK);
}

}  // namespace

// Building, querying and pruning trees: the node links seen through the public operations.
#include <gtest/gtest.h>

#include "tree_test_util.h"

namespace {

using tree_test::PostOrder;
using tree_test::PreOrder;
using tree_test::Rsut;
using tree_test::Strings;
using tree_test::Tree;

TEST(TreeEmpty, HasNoNodesAndEqualEnds) {
    Tree tree;
    const Tree& ctree = tree;
    EXPECT_EQ(tree.size(), 0u);
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(tree.begin(), tree.end());
    EXPECT_EQ(tree.begin_post(), tree.end_post());
    EXPECT_EQ(ctree.begin(), ctree.end());
    EXPECT_EQ(tree.top_level().begin(), tree.top_level().end());
    EXPECT_FALSE(tree.is_valid(tree.begin()));
}

TEST(TreeRsut, TraversesInBothOrders) {
    Rsut x;
    EXPECT_EQ(x.tree.size(), 4u);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "S", "U", "T"}));
    EXPECT_EQ(PostOrder(x.tree), (Strings{"U", "S", "T", "R"}));
}

TEST(TreeRsut, AnswersStructuralQueries) {
    Rsut x;
    EXPECT_EQ(x.tree.depth(x.r), 0u);
    EXPECT_EQ(x.tree.depth(x.s), 1u);
    EXPECT_EQ(x.tree.depth(x.u), 2u);
    EXPECT_EQ(x.tree.number_of_siblings(x.s), 2u);
    EXPECT_EQ(x.tree.number_of_siblings(x.t), 1u);
    EXPECT_EQ(x.tree.number_of_siblings(x.r), 1u);
    EXPECT_EQ(x.tree.index(x.s), 0u);
    EXPECT_EQ(x.tree.index(x.t), 1u);
    EXPECT_EQ(x.tree.number_of_children(x.r), 2u);
    EXPECT_EQ(x.tree.number_of_children(x.s), 1u);
    EXPECT_EQ(x.tree.number_of_children(x.u), 0u);
    EXPECT_TRUE(x.tree.is_valid(x.u));
}

TEST(TreeRsut, NavigatesBetweenRelatives) {
    Rsut x;
    EXPECT_EQ(x.tree.parent(x.u), x.s);
    EXPECT_EQ(x.tree.parent(x.s), x.r);
    EXPECT_FALSE(x.tree.is_valid(x.tree.parent(x.r)));
    EXPECT_EQ(x.tree.child(x.r, 0), x.s);
    EXPECT_EQ(x.tree.child(x.r, 1), x.t);
    EXPECT_EQ(x.tree.child(x.r, 2), x.tree.end(x.r));
    EXPECT_EQ(x.tree.next_sibling(x.s), x.t);
    EXPECT_EQ(x.tree.next_sibling(x.t), x.tree.end(x.r));
    EXPECT_EQ(x.tree.previous_sibling(x.t), x.s);
    EXPECT_EQ(x.tree.previous_sibling(x.s).node, nullptr);
    // The last child's "no next sibling" still knows its range: -- returns to T.
    auto past_t = x.tree.next_sibling(x.t);
    EXPECT_EQ(--past_t, x.t);
    // Top-level neighbours close through the head, which is end().
    EXPECT_EQ(x.tree.next_sibling(x.r), x.tree.end());
}

TEST(TreeRsut, FindsNodesInsideSubtrees) {
    Rsut x;
    EXPECT_TRUE(x.tree.is_in_subtree(x.u, x.s, x.t));
    EXPECT_TRUE(x.tree.is_in_subtree(x.s, x.s, x.t));
    EXPECT_FALSE(x.tree.is_in_subtree(x.t, x.s, x.t));
    EXPECT_FALSE(x.tree.is_in_subtree(x.r, x.s, x.tree.end()));
    // A sibling range's end converts to the node after the parent's subtree.
    EXPECT_TRUE(x.tree.is_in_subtree(x.u, x.tree.begin(x.s), x.tree.end(x.s)));
    EXPECT_FALSE(x.tree.is_in_subtree(x.t, x.tree.begin(x.s), x.tree.end(x.s)));
    EXPECT_TRUE(x.tree.is_in_subtree(x.t, x.tree.begin(x.r), x.tree.end(x.r)));
    EXPECT_FALSE(x.tree.is_in_subtree(x.tree.end(), x.tree.begin(), x.tree.end()));
}

TEST(TreeInsert, SetHeadPutsTheNewNodeFirst) {
    Rsut x;
    auto a = x.tree.SetHead("A");
    EXPECT_EQ(x.tree.begin(), a);
    EXPECT_EQ(x.tree.index(a), 0u);
    EXPECT_EQ(x.tree.index(x.r), 1u);
    EXPECT_EQ(x.tree.number_of_siblings(a), 2u);
    EXPECT_EQ(x.tree.number_of_siblings(x.r), 1u);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"A", "R", "S", "U", "T"}));
    EXPECT_EQ(PostOrder(x.tree), (Strings{"A", "U", "S", "T", "R"}));
}

TEST(TreeInsert, BeforeTheHeadAppendsATopLevelNode) {
    Rsut x;
    auto z = x.tree.insert(x.tree.end(), "Z");
    EXPECT_EQ(x.tree.index(z), 1u);
    EXPECT_EQ(x.tree.depth(z), 0u);
    EXPECT_EQ(x.tree.next_sibling(x.r), z);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "S", "U", "T", "Z"}));
    EXPECT_EQ(PostOrder(x.tree), (Strings{"U", "S", "T", "R", "Z"}));

    Tree empty;
    auto only = empty.insert(empty.end(), "only");
    EXPECT_EQ(empty.begin(), only);
    EXPECT_EQ(PreOrder(empty), (Strings{"only"}));
}

TEST(TreeErase, RemovesASubtreeAndReturnsTheNextNodeOutsideIt) {
    Rsut x;
    auto next = x.tree.erase(x.s);
    EXPECT_EQ(next, x.t);
    EXPECT_EQ(x.tree.number_of_children(x.r), 1u);
    EXPECT_EQ(x.tree.begin(x.r), x.t);
    EXPECT_EQ(x.tree.index(x.t), 0u);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "T"}));
    EXPECT_EQ(PostOrder(x.tree), (Strings{"T", "R"}));
}

TEST(TreeErase, SiblingFormReturnsTheNextSibling) {
    Rsut x;
    auto v = x.tree.append_child(x.r, "V");
    Tree::sibling_iterator it = x.tree.begin(x.r);
    it = x.tree.erase(it);
    EXPECT_EQ(it, x.t);
    it = x.tree.erase(Tree::sibling_iterator(v));
    EXPECT_EQ(it, x.tree.end(x.r));
    EXPECT_EQ(--it, x.t);  // still knows its parent
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "T"}));
}

TEST(TreeErase, EraseChildrenLeavesALeaf) {
    Rsut x;
    x.tree.erase_children(x.r);
    EXPECT_EQ(x.tree.size(), 1u);
    EXPECT_EQ(x.tree.number_of_children(x.r), 0u);
    EXPECT_EQ(x.tree.begin(x.r), x.tree.end(x.r));
    x.tree.append_child(x.r, "N");
    EXPECT_EQ(PostOrder(x.tree), (Strings{"N", "R"}));
}

TEST(TreeMisuse, EndAndNullIteratorsAreHarmless) {
    Rsut x;
    Tree::pre_order_iterator null_it;
    for (Tree::pre_order_iterator bad : {x.tree.end(), null_it}) {
        EXPECT_FALSE(x.tree.is_valid(bad));
        EXPECT_EQ(x.tree.depth(bad), 0u);
        EXPECT_EQ(x.tree.number_of_children(bad), 0u);
        EXPECT_EQ(x.tree.number_of_siblings(bad), 0u);
        EXPECT_EQ(x.tree.index(bad), 0u);
        EXPECT_EQ(x.tree.children(bad).begin(), x.tree.children(bad).end());
        EXPECT_FALSE(x.tree.is_valid(x.tree.parent(bad)));
        EXPECT_EQ(x.tree.append_child(bad, "X"), x.tree.end());
        EXPECT_EQ(x.tree.erase(bad), x.tree.end());
        x.tree.erase_children(bad);
        x.tree.swap(bad);
    }
    EXPECT_EQ(x.tree.insert(null_it, "X"), x.tree.end());
    EXPECT_EQ(x.tree.insert(Tree::sibling_iterator(), "X"), x.tree.end());
    EXPECT_EQ(x.tree.replace(x.tree.end(), x.s), x.tree.end());
    EXPECT_EQ(x.tree.replace(x.s, x.tree.end()), x.tree.end());
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "S", "U", "T"}));

    // The children of end() form an empty range whose end does not wrap around to begin().
    EXPECT_FALSE(x.tree.is_valid(Tree::pre_order_iterator(x.tree.end(x.tree.end()))));
    EXPECT_EQ(x.tree.insert(x.tree.end(x.tree.end()), "X"), x.tree.end());

    ++null_it;
    --null_it;
    EXPECT_EQ(null_it.node, nullptr);
    Tree::sibling_iterator null_sib;
    --null_sib;
    EXPECT_EQ(null_sib.node, nullptr);
}

TEST(TreePointers, StoresPointersWithoutOwningThem) {
    int a = 1, b = 2;
    {
        CRk32Tree<int*> tree;
        auto top = tree.SetHead(&a);
        tree.append_child(top, &b);
        tree.append_child(top, nullptr);
        EXPECT_EQ(*tree.begin(), &a);
        EXPECT_EQ(*tree.child(top, 0), &b);
        EXPECT_EQ(*tree.child(top, 1), nullptr);
        // The head holds a value-initialised T: a null pointer, never garbage.
        EXPECT_EQ(*tree.end(), nullptr);
        CRk32Tree<int*> copy(tree);
        EXPECT_EQ(*copy.child(copy.begin(), 0), &b);  // the pointer, not a copy of the int
    }
    EXPECT_EQ(a + b, 3);  // the tree did not touch what it pointed to
}

}  // namespace

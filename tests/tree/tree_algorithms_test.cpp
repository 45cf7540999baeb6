// Whole-subtree operations: replace, merge, sort, subtree and swapping neighbours.
#include <gtest/gtest.h>

#include <string>

#include "tree_test_util.h"

// Every member of the pointer instantiation the record tree uses must compile.
template class CRk32Tree<int*>;

namespace {

using tree_test::Collect;
using tree_test::PostOrder;
using tree_test::PreOrder;
using tree_test::Rsut;
using tree_test::Shape;
using tree_test::Strings;
using tree_test::Tree;

using ShapeList = std::vector<std::pair<std::string, std::size_t>>;

TEST(TreeReplace, PutsACopyOfAnotherSubtreeInPlace) {
    Rsut x;
    auto copy = x.tree.replace(x.t, x.s);
    EXPECT_EQ(x.tree.parent(copy), x.r);
    EXPECT_EQ(x.tree.index(copy), 1u);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "S", "U", "S", "U"}));
    EXPECT_NE(x.tree.begin(copy), x.tree.begin(x.s));  // its own nodes
}

TEST(TreeReplace, SourceMayLieInsideTheReplacedSubtree) {
    Rsut x;
    auto u2 = x.tree.replace(x.s, x.u);
    EXPECT_EQ(x.tree.begin(x.r), u2);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "U", "T"}));
    // And the other way round: a subtree replaced by its own ancestor.
    Rsut y;
    y.tree.replace(y.u, y.r);
    EXPECT_EQ(PreOrder(y.tree), (Strings{"R", "S", "R", "S", "U", "T", "T"}));
}

TEST(TreeReplace, SiblingRangeFormSwapsWholeRanges) {
    Rsut x;
    auto a = x.tree.append_child(x.u, "A");
    x.tree.append_child(x.u, "B");
    // Replace R's children [S, T] by copies of U's children [A, B].
    auto first =
        x.tree.replace(x.tree.begin(x.r), x.tree.end(x.r), x.tree.begin(x.u), x.tree.end(x.u));
    EXPECT_EQ(*first, "A");
    EXPECT_NE(first, a);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "A", "B"}));

    // An empty new range only removes; the result is the old range's end.
    auto after = x.tree.replace(x.tree.begin(x.r), x.tree.next_sibling(x.tree.begin(x.r)),
                                x.tree.end(x.r), x.tree.end(x.r));
    EXPECT_EQ(*after, "B");
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "B"}));

    // An empty old range only inserts, before its end.
    Tree src("P");
    src.insert(src.end(), "Q");
    x.tree.replace(x.tree.end(x.r), x.tree.end(x.r), src.top_level().begin(),
                   src.top_level().end());
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "B", "P", "Q"}));
}

TEST(TreeMerge, CombinesEqualNodesAndAppendsTheRest) {
    Tree into;
    auto a = into.SetHead("a");
    into.append_child(into.append_child(a, "b"), "c");
    into.insert(into.end(), "d");
    Tree from;
    auto fa = from.SetHead("a");
    from.append_child(from.append_child(fa, "b"), "e");
    from.append_child(fa, "x");
    from.insert(from.end(), "f");
    const auto from_shape = Shape(from);

    into.merge(into.top_level().begin(), into.top_level().end(), from.top_level().begin(),
               from.top_level().end());
    EXPECT_EQ(Shape(into),
              (ShapeList{{"a", 0}, {"b", 1}, {"c", 2}, {"e", 2}, {"x", 1}, {"d", 0}, {"f", 0}}));
    EXPECT_EQ(Shape(from), from_shape);
}

TEST(TreeMerge, IntoAnEmptyChildRangeKeepsTheSourceOrder) {
    Rsut x;
    Tree from("p");
    from.insert(from.end(), "q");
    from.insert(from.end(), "p");  // equal to the first one copied: merged into it
    x.tree.merge(x.tree.begin(x.t), x.tree.end(x.t), from.top_level().begin(),
                 from.top_level().end());
    EXPECT_EQ(Collect(x.tree.begin(x.t), x.tree.end(x.t)), (Strings{"p", "q"}));
    // Merging a range into itself changes nothing.
    const auto before = Shape(x.tree);
    x.tree.merge(x.tree.begin(x.r), x.tree.end(x.r), x.tree.begin(x.r), x.tree.end(x.r));
    EXPECT_EQ(Shape(x.tree), before);
}

TEST(TreeSort, OrdersOneLevelOrAllLevels) {
    Tree tree("root");
    auto root = tree.begin();
    for (const char* v : {"c", "a", "b"}) tree.append_child(root, v);
    auto c = tree.child(root, 0);
    for (const char* v : {"z", "y"}) tree.append_child(c, v);

    Tree deep(tree);
    tree.sort(tree.begin(root), tree.end(root));
    EXPECT_EQ(PreOrder(tree), (Strings{"root", "a", "b", "c", "z", "y"}));
    EXPECT_EQ(tree.parent(c), root);  // nodes are relinked, iterators stay on them
    auto back = tree.end(root);
    EXPECT_EQ(--back, c);

    deep.sort(deep.begin(deep.begin()), deep.end(deep.begin()), true);
    EXPECT_EQ(PreOrder(deep), (Strings{"root", "a", "b", "c", "y", "z"}));
    EXPECT_EQ(PostOrder(deep), (Strings{"a", "b", "y", "z", "c", "root"}));
}

TEST(TreeSort, SortsASubrangeOnlyUnderACustomOrder) {
    Tree tree("r");
    auto r = tree.begin();
    for (const char* v : {"ccc", "bb", "a", "dd", "e", "fff"}) tree.append_child(r, v);
    auto by_length = [](const std::string& a, const std::string& b) { return a.size() < b.size(); };
    tree.sort(tree.begin(r), tree.child(r, 4), by_length);  // the first four children
    EXPECT_EQ(Collect(tree.begin(r), tree.end(r)), (Strings{"a", "bb", "dd", "ccc", "e", "fff"}));
}

TEST(TreeSort, KeepsTheOrderOfEqualValues) {
    // Enough children that an unstable sort would reorder equal keys.
    Tree tree("r");
    auto r = tree.begin();
    Strings expected[3];
    for (int i = 0; i < 60; ++i) {
        const int key = (i * 7) % 3;
        std::string v = std::to_string(key) + "/" + std::to_string(i);
        tree.append_child(r, v);
        expected[key].push_back(v);
    }
    tree.sort(tree.begin(r), tree.end(r),
              [](const std::string& a, const std::string& b) { return a[0] < b[0]; });
    Strings all;
    for (const Strings& group : expected) all.insert(all.end(), group.begin(), group.end());
    EXPECT_EQ(Collect(tree.begin(r), tree.end(r)), all);
    auto back = tree.end(r);
    EXPECT_EQ(*--back, all.back());
}

TEST(TreeSort, SortsTopLevelNodes) {
    Tree tree;
    for (const char* v : {"b", "c", "a"}) tree.insert(tree.end(), v);
    tree.append_child(tree.begin(), "b1");
    tree.sort(tree.top_level().begin(), tree.top_level().end());
    EXPECT_EQ(PreOrder(tree), (Strings{"a", "b", "b1", "c"}));
    EXPECT_EQ(*--tree.end(), "c");
    EXPECT_EQ(tree.index(std::find(tree.begin(), tree.end(), "c")), 2u);
}

TEST(TreeSubtree, CopiesASiblingRangeIntoANewForest) {
    Rsut x;
    x.tree.append_child(x.r, "V");
    Tree part = x.tree.subtree(x.s, x.tree.child(x.r, 2));
    EXPECT_EQ(Shape(part), (ShapeList{{"S", 0}, {"U", 1}, {"T", 0}}));
    *part.begin() = "S'";
    EXPECT_EQ(*x.s, "S");

    Tree whole = x.tree.subtree(x.tree.top_level().begin(), x.tree.top_level().end());
    EXPECT_EQ(Shape(whole), Shape(x.tree));
    Tree none = x.tree.subtree(x.s, x.s);
    EXPECT_TRUE(none.empty());
}

TEST(TreeSubtree, CanReplaceTheTreeItCopiesFrom) {
    Rsut x;
    Tree other("old");
    x.tree.subtree(other, x.tree.begin(x.r), x.tree.end(x.r));
    EXPECT_EQ(PreOrder(other), (Strings{"S", "U", "T"}));
    x.tree.subtree(x.tree, x.tree.begin(x.s), x.tree.end(x.s));
    EXPECT_EQ(PreOrder(x.tree), (Strings{"U"}));
}

TEST(TreeSwap, ExchangesANodeWithItsNextSibling) {
    Rsut x;
    x.tree.swap(x.s);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "T", "S", "U"}));
    EXPECT_EQ(x.tree.begin(x.r), x.t);
    auto back = x.tree.end(x.r);
    EXPECT_EQ(--back, x.s);
    EXPECT_EQ(x.tree.index(x.s), 1u);
    x.tree.swap(x.s);  // now the last child: nothing to swap with
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "T", "S", "U"}));

    auto v = x.tree.append_child(x.r, "V");
    auto w = x.tree.append_child(x.r, "W");
    x.tree.swap(x.s);  // a middle pair
    EXPECT_EQ(Collect(x.tree.begin(x.r), x.tree.end(x.r)), (Strings{"T", "V", "S", "W"}));
    EXPECT_EQ(x.tree.previous_sibling(x.s), v);
    EXPECT_EQ(x.tree.next_sibling(x.s), w);
}

TEST(TreeSwap, ExchangesTopLevelNodesButNotWithTheHead) {
    Tree tree;
    auto a = tree.insert(tree.end(), "A");
    auto b = tree.insert(tree.end(), "B");
    tree.swap(a);
    EXPECT_EQ(tree.begin(), b);
    EXPECT_EQ(*--tree.end(), "A");
    tree.swap(a);  // A is last: its neighbour is the head
    EXPECT_EQ(PreOrder(tree), (Strings{"B", "A"}));
    EXPECT_EQ(PostOrder(tree), (Strings{"B", "A"}));
}

}  // namespace

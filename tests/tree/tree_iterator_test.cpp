// The three iterator kinds: stepping, counting steps, conversions between kinds and their
// use with the standard algorithms and range-for.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <type_traits>

#include "tree_test_util.h"

namespace {

using tree_test::Collect;
using tree_test::PreOrder;
using tree_test::Rsut;
using tree_test::Strings;
using tree_test::Tree;

template <class It, class Ref>
constexpr bool kIsBidirectional =
    std::is_same_v<typename std::iterator_traits<It>::iterator_category,
                   std::bidirectional_iterator_tag>&&
        std::is_same_v<typename std::iterator_traits<It>::value_type, std::string>&&
            std::is_same_v<typename std::iterator_traits<It>::difference_type, std::ptrdiff_t>&&
                std::is_same_v<typename std::iterator_traits<It>::reference, Ref>&&
                    std::is_same_v<decltype(*std::declval<It>()), Ref>;

static_assert(kIsBidirectional<Tree::pre_order_iterator, std::string&>);
static_assert(kIsBidirectional<Tree::post_order_iterator, std::string&>);
static_assert(kIsBidirectional<Tree::sibling_iterator, std::string&>);
static_assert(kIsBidirectional<Tree::const_pre_order_iterator, const std::string&>);
static_assert(kIsBidirectional<Tree::const_post_order_iterator, const std::string&>);
static_assert(kIsBidirectional<Tree::const_sibling_iterator, const std::string&>);
// Constness can be added by a conversion, never taken away.
static_assert(std::is_convertible_v<Tree::pre_order_iterator, Tree::const_sibling_iterator>);
static_assert(!std::is_convertible_v<Tree::const_pre_order_iterator, Tree::pre_order_iterator>);
static_assert(!std::is_convertible_v<Tree::const_sibling_iterator, Tree::post_order_iterator>);
static_assert(
    std::is_same_v<decltype(std::declval<const Tree&>().begin()), Tree::const_pre_order_iterator>);

TEST(TreeIteratorSteps, PlusEqualsZeroLeavesEveryKindInPlace) {
    Rsut x;
    Tree::pre_order_iterator pre = x.s;
    Tree::post_order_iterator post = x.s;
    Tree::sibling_iterator sib = x.s;
    EXPECT_EQ(pre += 0, x.s);
    EXPECT_EQ(post += 0, x.s);
    EXPECT_EQ(sib += 0, x.s);
    EXPECT_EQ(pre -= 0, x.s);
    EXPECT_EQ(post -= 0, x.s);
    EXPECT_EQ(sib -= 0, x.s);
}

TEST(TreeIteratorSteps, CountedStepsMatchSingleSteps) {
    Rsut x;
    const auto n = x.tree.size();
    EXPECT_EQ(x.tree.begin() += n, x.tree.end());
    EXPECT_EQ(x.tree.end() -= n, x.tree.begin());
    EXPECT_EQ(x.tree.begin() += 2, x.u);
    EXPECT_EQ(x.tree.begin_post() += n, x.tree.end_post());
    EXPECT_EQ(x.tree.end_post() -= n, x.tree.begin_post());
    EXPECT_EQ(x.tree.begin_post() += 2, x.t);
    EXPECT_EQ(x.tree.begin(x.r) += 2, x.tree.end(x.r));
    EXPECT_EQ(x.tree.end(x.r) -= 2, x.s);
}

TEST(TreeIteratorSteps, PostfixFormsReturnThePreviousPosition) {
    Rsut x;
    auto it = x.tree.begin();
    EXPECT_EQ(it++, x.r);
    EXPECT_EQ(it, x.s);
    EXPECT_EQ(it--, x.s);
    EXPECT_EQ(it, x.r);
    auto post = x.tree.begin_post();
    EXPECT_EQ(post++, x.u);
    EXPECT_EQ(post, x.s);
    auto sib = x.tree.begin(x.r);
    EXPECT_EQ(sib++, x.s);
    EXPECT_EQ(sib--, x.t);
    EXPECT_EQ(sib, x.s);
}

TEST(TreeIteratorSteps, SkipChildrenPassesOverASubtree) {
    Rsut x;
    Tree::pre_order_iterator it = x.s;
    it.skip_children();
    EXPECT_EQ(++it, x.t);
    EXPECT_EQ(++it, x.tree.end());  // the flag was used up at S

    auto v = x.tree.append_child(x.t, "V");
    Tree::post_order_iterator back = x.r;
    back.skip_children();
    EXPECT_EQ(--back, x.tree.end_post());  // R's children skipped, nothing precedes R
    Tree::post_order_iterator from_t = x.t;
    EXPECT_EQ(--Tree::post_order_iterator(x.t), v);
    from_t.skip_children();
    EXPECT_EQ(--from_t, x.s);  // T's child V skipped
    // Forward, the flag stops on the next sibling instead of descending to its first leaf.
    auto w = x.tree.append_child(x.r, "W");
    auto w1 = x.tree.append_child(w, "W1");
    Tree::post_order_iterator from_s = x.s;
    EXPECT_EQ(++Tree::post_order_iterator(x.s), v);
    from_s.skip_children();
    EXPECT_EQ(++from_s, x.t);
    EXPECT_EQ(++from_s, w1);  // the flag was used up at T
    EXPECT_EQ(++from_s, w);
    EXPECT_EQ(++from_s, x.r);
}

TEST(TreeIteratorConversion, SiblingEndBecomesTheNodeAfterItsParent) {
    Rsut x;
    Tree::pre_order_iterator after_s = x.tree.end(x.s);
    EXPECT_EQ(after_s, x.t);
    Tree::pre_order_iterator after_r = x.tree.end(x.r);
    EXPECT_EQ(after_r, x.tree.end());
    Tree::pre_order_iterator after_leaf = x.tree.end(x.u);
    EXPECT_EQ(after_leaf, x.t);
    // In post-order the parent itself follows its last child.
    Tree::post_order_iterator post_after_s = x.tree.end(x.s);
    EXPECT_EQ(post_after_s, x.s);
    // A sibling iterator on a node converts to that node, whatever the kind.
    Tree::pre_order_iterator on_t = x.tree.next_sibling(x.s);
    EXPECT_EQ(on_t, x.t);
}

TEST(TreeStandardLibrary, DistanceFindAndCountWork) {
    Rsut x;
    EXPECT_EQ(std::distance(x.tree.begin(), x.tree.end()), 4);
    EXPECT_EQ(std::distance(x.tree.begin_post(), x.tree.end_post()), 4);
    EXPECT_EQ(std::distance(x.tree.begin(x.r), x.tree.end(x.r)), 2);
    EXPECT_EQ(std::find(x.tree.begin(), x.tree.end(), "U"), x.u);
    EXPECT_EQ(std::find(x.tree.begin(), x.tree.end(), "nope"), x.tree.end());
    EXPECT_EQ(std::find(x.tree.begin_post(), x.tree.end_post(), "T"), x.t);
    const Tree& ctree = x.tree;
    EXPECT_EQ(
        std::count_if(ctree.begin(), ctree.end(), [](const std::string& v) { return v < "T"; }), 2);
    EXPECT_EQ(*std::next(ctree.begin(), 3), "T");
    EXPECT_EQ(*std::prev(ctree.end()), "T");
}

TEST(TreeStandardLibrary, ReverseIteratorRunsPreOrderBackwards) {
    Rsut x;
    using Rev = std::reverse_iterator<Tree::pre_order_iterator>;
    EXPECT_EQ(Collect(Rev(x.tree.end()), Rev(x.tree.begin())), (Strings{"T", "U", "S", "R"}));
}

TEST(TreeStandardLibrary, RangeForOverChildren) {
    Rsut x;
    x.tree.append_child(x.r, "V");
    Strings seen;
    for (std::string& v : x.tree.children(x.r)) {
        seen.push_back(v);
        v += "!";
    }
    EXPECT_EQ(seen, (Strings{"S", "T", "V"}));
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "S!", "U", "T!", "V!"}));

    const Tree& ctree = x.tree;
    Strings const_seen;
    for (const auto& v : ctree.children(x.s)) {
        static_assert(std::is_same_v<decltype(v), const std::string&>);
        const_seen.push_back(v);
    }
    EXPECT_EQ(const_seen, (Strings{"U"}));
    int leaf_children = 0;
    for (const auto& v : ctree.children(x.u)) leaf_children += static_cast<int>(v.size()) + 1;
    EXPECT_EQ(leaf_children, 0);
}

TEST(TreeStandardLibrary, AlgorithmsWriteThroughMutableIterators) {
    Rsut x;
    std::replace(x.tree.begin(), x.tree.end(), std::string("U"), std::string("u"));
    std::reverse(x.tree.begin(x.r), x.tree.end(x.r));  // swaps the values S and T
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "T", "u", "S"}));
}

}  // namespace

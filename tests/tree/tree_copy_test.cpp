// Copying, moving and the value lifecycle: deep and independent copies, one allocation per
// node plus the head, every value destroyed once, and no change when a copy throws.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tree_test_util.h"

namespace {

using tree_test::PostOrder;
using tree_test::PreOrder;
using tree_test::Rsut;
using tree_test::Shape;
using tree_test::Strings;
using tree_test::Tree;

TEST(TreeCopy, IsDeepAndIndependent) {
    Rsut x;
    x.tree.insert(x.tree.end(), "Z");
    Tree copy(x.tree);
    EXPECT_EQ(Shape(copy), Shape(x.tree));
    EXPECT_EQ(PostOrder(copy), PostOrder(x.tree));
    for (auto a = copy.begin(), b = x.tree.begin(); a != copy.end(); ++a, ++b)
        EXPECT_NE(a.node, b.node);

    *copy.begin() = "changed";
    copy.erase(std::find(copy.begin(), copy.end(), "S"));
    copy.append_child(std::find(copy.begin(), copy.end(), "T"), "new");
    EXPECT_EQ(PreOrder(copy), (Strings{"changed", "T", "new", "Z"}));
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "S", "U", "T", "Z"}));
    x.tree.clear();
    EXPECT_EQ(copy.size(), 4u);
}

TEST(TreeCopy, AssignmentReplacesTheOldContents) {
    Rsut x;
    Tree other;
    other.append_child(other.SetHead("old"), "old child");
    other = x.tree;
    EXPECT_EQ(Shape(other), Shape(x.tree));
    const Tree& same = other;
    other = same;  // self-assignment keeps everything
    EXPECT_EQ(Shape(other), Shape(x.tree));
    other = Tree();
    EXPECT_TRUE(other.empty());
    Tree empty_copy(other);
    EXPECT_EQ(empty_copy.begin(), empty_copy.end());
}

TEST(TreeCopy, MoveTakesTheNodesAndLeavesAnEmptyTree) {
    Rsut x;
    const auto expected = Shape(x.tree);
    Tree moved(std::move(x.tree));
    EXPECT_EQ(Shape(moved), expected);
    EXPECT_EQ(moved.begin(), x.r);  // the same nodes, no copies
    EXPECT_TRUE(x.tree.empty());
    x.tree.SetHead("reused");
    EXPECT_EQ(PreOrder(x.tree), (Strings{"reused"}));

    Tree target;
    target.SetHead("gone");
    target = std::move(moved);
    EXPECT_EQ(Shape(target), expected);
    EXPECT_TRUE(moved.empty());
}

TEST(TreeCopy, ConstructorsFromAValueAndFromASubtree) {
    Tree single("only");
    EXPECT_EQ(PreOrder(single), (Strings{"only"}));

    Rsut x;
    x.tree.append_child(x.u, "W");
    Tree sub(x.s);
    EXPECT_EQ(Shape(sub),
              (std::vector<std::pair<std::string, std::size_t>>{{"S", 0}, {"U", 1}, {"W", 2}}));
    *sub.begin() = "S'";
    EXPECT_EQ(*x.s, "S");
    Tree none(Tree::pre_order_iterator{});
    EXPECT_TRUE(none.empty());
}

TEST(TreeCopy, SwapExchangesWholeTrees) {
    Rsut x;
    Tree other("lonely");
    x.tree.swap(other);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"lonely"}));
    EXPECT_EQ(PreOrder(other), (Strings{"R", "S", "U", "T"}));
    EXPECT_EQ(other.begin(), x.r);  // iterators follow their nodes
    swap(x.tree, other);
    EXPECT_EQ(PreOrder(x.tree), (Strings{"R", "S", "U", "T"}));
}

// ---- allocation and value lifetime --------------------------------------------------------

struct AllocCounts {
    int live = 0;
    int total = 0;
};

template <class U>
struct CountingAllocator {
    using value_type = U;
    AllocCounts* counts;
    explicit CountingAllocator(AllocCounts* c) : counts(c) {}
    template <class V>
    CountingAllocator(const CountingAllocator<V>& other) : counts(other.counts) {}
    U* allocate(std::size_t n) {
        EXPECT_EQ(n, 1u);  // nodes are allocated one by one
        ++counts->live;
        ++counts->total;
        return std::allocator<U>().allocate(n);
    }
    void deallocate(U* p, std::size_t n) {
        --counts->live;
        std::allocator<U>().deallocate(p, n);
    }
    template <class V>
    bool operator==(const CountingAllocator<V>& o) const {
        return counts == o.counts;
    }
    template <class V>
    bool operator!=(const CountingAllocator<V>& o) const {
        return counts != o.counts;
    }
};

TEST(TreeAllocation, OneAllocationPerNodeAndOneForTheHead) {
    AllocCounts counts;
    using CountedTree = CRk32Tree<int, CountingAllocator<_tree_node<int>>>;
    {
        CountedTree tree{CountingAllocator<_tree_node<int>>(&counts)};
        EXPECT_EQ(counts.live, 1);
        auto top = tree.SetHead(1);
        for (int i = 0; i < 5; ++i) tree.append_child(top, i);
        EXPECT_EQ(counts.live, 7);
        {
            CountedTree copy(tree);
            EXPECT_EQ(counts.live, 14);
        }
        EXPECT_EQ(counts.live, 7);
        tree.erase(tree.child(top, 2));
        EXPECT_EQ(counts.live, 6);
        tree.clear();
        EXPECT_EQ(counts.live, 1);
    }
    EXPECT_EQ(counts.live, 0);
    EXPECT_EQ(counts.total, 14);  // two heads, six nodes and their six copies
}

/// Counts live instances; has no default constructor, so the head must hold no value.
class Tracked {
  public:
    static int live;
    static int copies_before_throw;  // < 0: never throw
    explicit Tracked(int v) : value(v) { ++live; }
    Tracked(const Tracked& other) : value(other.value) {
        if (copies_before_throw == 0) throw std::runtime_error("copy failed");
        if (copies_before_throw > 0) --copies_before_throw;
        ++live;
    }
    Tracked& operator=(const Tracked&) = default;
    ~Tracked() { --live; }
    int value;
};
int Tracked::live = 0;
int Tracked::copies_before_throw = -1;

using TrackedTree = CRk32Tree<Tracked>;

TrackedTree MakeTrackedTree() {
    TrackedTree tree;
    auto a = tree.SetHead(Tracked(1));
    auto b = tree.append_child(a, Tracked(2));
    tree.append_child(b, Tracked(3));
    tree.append_child(a, Tracked(4));
    tree.insert(tree.end(), Tracked(5));
    return tree;
}

TEST(TreeLifetime, EveryValueIsDestroyedExactlyOnce) {
    Tracked::live = 0;
    Tracked::copies_before_throw = -1;
    {
        TrackedTree tree = MakeTrackedTree();
        EXPECT_EQ(Tracked::live, 5);  // the head holds none
        TrackedTree copy(tree);
        EXPECT_EQ(Tracked::live, 10);
        copy.erase_children(copy.begin());
        EXPECT_EQ(Tracked::live, 7);
        copy = tree;
        EXPECT_EQ(Tracked::live, 10);
        tree.erase(tree.begin());
        EXPECT_EQ(Tracked::live, 6);
    }
    EXPECT_EQ(Tracked::live, 0);
}

TEST(TreeLifetime, AFailingCopyLeavesNoNodeBehindAndTheTargetUnchanged) {
    Tracked::live = 0;
    {
        TrackedTree tree = MakeTrackedTree();
        TrackedTree target;
        target.SetHead(Tracked(42));
        for (int k = 0; k < 4; ++k) {  // the first subtree holds four values
            Tracked::copies_before_throw = k;
            EXPECT_THROW(TrackedTree copy(tree), std::runtime_error);
            Tracked::copies_before_throw = k;
            EXPECT_THROW(target = tree, std::runtime_error);
            Tracked::copies_before_throw = k;
            EXPECT_THROW(target.replace(target.begin(), tree.begin()), std::runtime_error);
            Tracked::copies_before_throw = -1;
            ASSERT_EQ(target.size(), 1u);
            EXPECT_EQ(target.begin()->value, 42);
            EXPECT_EQ(Tracked::live, 6);
        }
    }
    EXPECT_EQ(Tracked::live, 0);
}

}  // namespace

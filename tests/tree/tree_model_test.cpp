// CRk32Tree against a plain reference model: random sequences of the modifying operations,
// each followed by a comparison of both traversal orders, forwards and backwards, and of every
// per-node query and navigation step. The values count their live instances and can be told to
// fail a copy, so leaks and the effect of a failing copy show as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "vdxml/tree.h"

namespace {

/// An int without default constructor (so the head holds no value) that counts its live
/// instances and throws from its n-th next copy.
struct Value {
    static inline int live = 0, copiesBeforeThrow = -1;
    Value(int v) : value(v) { ++live; }
    Value(const Value& other) : value(other.value) {
        if (copiesBeforeThrow-- == 0) throw std::runtime_error("copy failed");
        ++live;
    }
    ~Value() { --live; }
    operator int() const { return value; }
    int value;
};

using IntTree = CRk32Tree<Value>;
using Pre = IntTree::pre_order_iterator;
using Post = IntTree::post_order_iterator;
using Ints = std::vector<int>;

/// The reference: a forest as nested vectors. Nodes are addressed by their pre-order position.
struct Node {
    int value;
    std::vector<Node> kids;
};
using Forest = std::vector<Node>;

/// The sibling list holding the node at pre-order position k (counted down) and the node.
std::pair<Forest*, Forest::iterator> Find(Forest& forest, std::size_t& k) {
    for (auto it = forest.begin(); it != forest.end(); ++it) {
        if (k-- == 0) return {&forest, it};
        const auto found = Find(it->kids, k);
        if (found.first) return found;
    }
    return {nullptr, {}};
}
bool ByValueMod3(int a, int b) { return a % 3 < b % 3; }
void Sort(Forest& forest, bool deep) {
    std::stable_sort(forest.begin(), forest.end(),
                     [](const Node& a, const Node& b) { return ByValueMod3(a.value, b.value); });
    for (Node& n : forest)
        if (deep) Sort(n.kids, deep);
}
void Merge(Forest& to, const Forest& from) {
    for (const Node& f : from) {
        const auto same =
            std::find_if(to.begin(), to.end(), [&f](const Node& t) { return t.value == f.value; });
        same != to.end() ? Merge(same->kids, f.kids) : to.push_back(f);
    }
}
/// Every query and navigation step of the nodes of one sibling range (from it) and, recursively,
/// of their descendants: parent holds the range, after follows it in pre-order and before
/// precedes it in post-order. Collects the model's values in pre-order and post-order.
void ExpectNodes(IntTree& tree, const Forest& list, IntTree::sibling_iterator it, Pre parent,
                 Pre after, Post before, std::size_t depth, Ints& pre, Ints& post) {
    const Pre first = it;
    auto skipping = [](auto position) { return position.skip_children(), position; };
    for (std::size_t i = 0; i < list.size(); ++i, ++it) {
        const Node& m = list[i];
        pre.push_back(m.value);
        const auto next = i + 1 == list.size() ? after : Pre(std::next(it));
        const auto previous = i == 0 ? before : Post(std::prev(it));
        // The end of the children converts to the node after the subtree (pre-order) and to
        // the node itself (post-order); so does the next sibling when there is none.
        ASSERT_EQ(
            std::make_tuple(*it, tree.depth(it), tree.index(it), tree.number_of_siblings(it),
                            tree.number_of_children(it), tree.parent(it),
                            tree.begin(it) += m.kids.size(), tree.end(it) -= m.kids.size(),
                            Pre(tree.end(it)), Post(tree.end(it)), Pre(tree.next_sibling(it))),
            std::make_tuple(m.value, depth, i, list.size() - i, m.kids.size(), parent, tree.end(it),
                            tree.begin(it), next, it, next));
        auto sibling = tree.previous_sibling(it);
        ASSERT_TRUE(i == 0 ? !tree.is_valid(sibling) : ++sibling == it);
        ASSERT_TRUE(tree.is_in_subtree(it, first, after) && !tree.is_in_subtree(it, first, it) &&
                    !tree.is_in_subtree(it, next, after));
        // With the flag, pre-order passes over the subtree; post-order goes forwards, and
        // pre-order backwards, to the sibling itself (not its deepest descendant) and
        // post-order backwards past the descendants. The flag is used up by that step, also
        // when it climbs to the parent (up; from a top-level node, to the end): R(S(U),T(V))
        // from U with the flag is U S V T R in post-order, not U S T R.
        const Pre up = tree.is_valid(parent) ? parent : tree.end();
        auto skip = skipping(Pre(it));
        auto forward = skipping(Post(it));
        ASSERT_EQ(++skip, next);
        ASSERT_EQ(++forward, next == after ? up : next);
        Pre plain(skip.node);
        Post plain_post(forward.node);
        ASSERT_TRUE(++skip == ++plain && (forward == tree.end() || ++forward == ++plain_post));
        ASSERT_EQ(--skipping(Post(it)), previous);
        ASSERT_EQ(--skipping(Pre(it)), i > 0 ? Pre(std::prev(it)) : up);
        ExpectNodes(tree, m.kids, tree.begin(it), it, next, previous, depth + 1, pre, post);
        post.push_back(m.value);
    }
}

/// Every node, then both orders forwards and backwards.
void ExpectSame(IntTree& tree, const Forest& model) {
    Ints pre, post;
    ExpectNodes(tree, model, tree.top_level().begin(), {}, tree.end(), tree.end_post(), 0, pre,
                post);
    ASSERT_EQ(std::make_pair(tree.size(), tree.empty()), std::make_pair(pre.size(), pre.empty()));
    ASSERT_EQ(Ints(tree.begin(), tree.end()), pre);
    ASSERT_EQ(Ints(tree.begin_post(), tree.end_post()), post);
    ASSERT_EQ(Ints(std::reverse_iterator(tree.end()), std::reverse_iterator(tree.begin())),
              Ints(pre.rbegin(), pre.rend()));
    ASSERT_EQ(
        Ints(std::reverse_iterator(tree.end_post()), std::reverse_iterator(tree.begin_post())),
        Ints(post.rbegin(), post.rend()));
}

TEST(TreeModel, RandomOperationsMatchTheReference) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        auto pick = [&rng](std::size_t n) { return rng() % n; };
        IntTree tree;
        Forest model;
        for (int step = 0; step < 100; ++step) {
            const int v = step % 10;  // equal values, for merge to find
            const std::size_t size = tree.size(), k = size ? pick(size) : 0;
            std::size_t count = k, j = size ? pick(size) : 0, source_count = j;
            const auto at = tree.begin() += k, from = tree.begin() += j;
            const auto [list, node] = Find(model, count);  // null for an empty tree
            const Node source = size ? *Find(model, source_count).second : Node{};
            switch (size ? pick(13) : 0) {
                case 0:  // a new first top-level node, or one before the head: the last
                    ASSERT_EQ(*(v % 2 ? tree.SetHead(v) : tree.insert(tree.end(), v)), v);
                    model.insert(v % 2 ? model.begin() : model.end(), Node{v, {}});
                    break;
                case 1:  // as the last child, or past the end of the children
                    ASSERT_EQ(*(pick(2) ? tree.append_child(at, v) : tree.insert(tree.end(at), v)),
                              v);
                    node->kids.push_back(Node{v, {}});
                    break;
                case 2:
                    ASSERT_EQ(*tree.insert(at, v), v);
                    list->insert(node, Node{v, {}});
                    break;
                case 3:  // either form returns the successor outside the erased subtree
                case 4: {
                    const Pre next =
                        pick(2) ? tree.erase(at) : Pre(tree.erase(IntTree::sibling_iterator(at)));
                    list->erase(node);
                    ASSERT_EQ(next, tree.begin() += k);
                    break;
                }
                case 5:
                    tree.erase_children(at);
                    node->kids.clear();
                    break;
                case 6:
                    tree.swap(at);
                    if (std::next(node) != list->end()) std::swap(*node, *std::next(node));
                    break;
                case 7:  // the source may lie inside the target or around it
                    ASSERT_EQ(*tree.replace(at, from), source.value);
                    *node = source;
                    break;
                case 8:  // before the node, or past the end of its children
                    if (pick(2)) {
                        tree.insert_subtree(at, from);
                        list->insert(node, source);
                    } else {
                        tree.insert_subtree(tree.end(at), from);
                        node->kids.push_back(source);
                    }
                    break;
                case 9: {  // the first children replaced by copies of another node's children
                    const std::size_t n = pick(node->kids.size() + 1);
                    // The first copy comes back, or the end of the old range: the first child.
                    const auto first = tree.replace(tree.begin(at), tree.child(at, n),
                                                    tree.begin(from), tree.end(from));
                    ASSERT_EQ(first, tree.begin(at));
                    node->kids.erase(node->kids.begin(),
                                     node->kids.begin() + static_cast<std::ptrdiff_t>(n));
                    node->kids.insert(node->kids.begin(), source.kids.begin(), source.kids.end());
                    break;
                }
                case 10: {  // copies of another node's children merged into the children
                    const IntTree part = tree.subtree(tree.begin(from), tree.end(from));
                    tree.merge(tree.begin(at), tree.end(at), part.top_level().begin(),
                               part.top_level().end());
                    Merge(node->kids, source.kids);
                    break;
                }
                case 11: {  // a copy that fails part way through changes nothing
                    IntTree target(v);
                    Value::copiesBeforeThrow =
                        static_cast<int>(pick(v % 2 ? size : IntTree(from).size()));
                    EXPECT_THROW(v % 2 ? (void)(target = tree) : (void)tree.replace(at, from),
                                 std::runtime_error);
                    Value::copiesBeforeThrow = -1;
                    ASSERT_EQ(Ints(target.begin(), target.end()), Ints{v});
                    break;
                }
                default:  // a stable sort, of one level or all levels
                    tree.sort(tree.begin(at), tree.end(at), ByValueMod3, v % 2);
                    Sort(node->kids, v % 2);
            }
            ASSERT_EQ(Value::live, static_cast<int>(tree.size()));
            ExpectSame(tree, model);
            IntTree copy(tree), moved(std::move(copy));
            ExpectSame(moved, model);
        }
    }
}

TEST(TreeModel, SortKeepsEqualValuesInOrderAndNullOrEndPositionsChangeNothing) {
    IntTree tree(0);
    Forest model{Node{0, {}}};
    for (int v = 1; v <= 60; ++v) {  // enough for an unstable sort to reorder equal values
        tree.append_child(tree.begin(), v);
        model[0].kids.push_back(Node{v, {}});
    }
    tree.sort(tree.begin(tree.begin()), tree.end(tree.begin()), ByValueMod3);
    Sort(model[0].kids, false);
    for (Pre bad : {tree.end(), Pre()}) {
        EXPECT_EQ(tree.depth(bad) + tree.index(bad) + tree.number_of_siblings(bad) +
                      tree.number_of_children(bad),
                  0u);
        EXPECT_TRUE(!tree.is_valid(bad) && !tree.is_valid(tree.parent(bad)) &&
                    tree.append_child(bad, 3) == tree.end() && tree.erase(bad) == tree.end() &&
                    tree.replace(bad, tree.begin()) == tree.end() &&
                    tree.replace(tree.begin(), bad) == tree.end() &&
                    tree.insert_subtree(tree.begin(), bad) == tree.end());
        tree.erase_children(bad);
        tree.swap(bad);
    }
    // The children of end() are an empty range that does not wrap around to begin().
    EXPECT_TRUE(tree.insert(Pre(), 3) == tree.end() &&
                tree.insert(tree.end(tree.end()), 3) == tree.end() && (++Pre()).node == nullptr &&
                (--IntTree::sibling_iterator()).node == nullptr);
    ExpectSame(tree, model);
}

}  // namespace

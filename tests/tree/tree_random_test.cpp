// Random insert/erase sequences checked against a plain vector-of-children model: both
// traversal orders (forwards and backwards), the erase successor and the per-node queries.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

#include "vdxml/tree.h"

namespace {

using IntTree = CRk32Tree<int>;
using Ints = std::vector<int>;

/// The reference: node 0 is a virtual root whose children are the top-level nodes.
class Model {
  public:
    std::vector<int> ids() const {
        Ints all;
        PreOrder(0, all);
        return all;
    }
    Ints PostOrderAll() const {
        Ints out;
        PostOrder(0, out);
        return out;
    }
    Ints PreOrderOf(int id) const {
        Ints out{id};
        PreOrder(id, out);
        return out;
    }
    int parent(int id) const { return parent_.at(id); }
    const Ints& children(int id) const { return children_.at(id); }
    std::size_t depth(int id) const {
        std::size_t d = 0;
        for (int p = parent(id); p != 0; p = parent(p)) ++d;
        return d;
    }
    std::size_t index(int id) const {
        const Ints& sibs = children(parent(id));
        return static_cast<std::size_t>(std::find(sibs.begin(), sibs.end(), id) - sibs.begin());
    }

    void InsertBefore(int pos, int id) {
        Ints& sibs = children_[parent(pos)];
        sibs.insert(sibs.begin() + static_cast<std::ptrdiff_t>(index(pos)), id);
        Add(parent(pos), id);
    }
    void AppendChild(int parent, int id) {
        children_[parent].push_back(id);
        Add(parent, id);
    }
    void Prepend(int id) {
        children_[0].insert(children_[0].begin(), id);
        Add(0, id);
    }
    /// Removes `id` and its subtree; returns the pre-order successor outside it, or -1.
    int Erase(int id) {
        Ints all = ids();
        auto at = std::find(all.begin(), all.end(), id) - all.begin();
        std::size_t after = static_cast<std::size_t>(at) + PreOrderOf(id).size();
        int successor = after < all.size() ? all[after] : -1;
        Ints& sibs = children_[parent(id)];
        sibs.erase(sibs.begin() + static_cast<std::ptrdiff_t>(index(id)));
        Forget(id);
        return successor;
    }
    void EraseChildren(int id) {
        for (int c : Ints(children(id))) Forget(c);
        children_[id].clear();
    }

  private:
    void Add(int parent, int id) {
        parent_[id] = parent;
        children_[id];
    }
    void Forget(int id) {
        for (int c : children(id)) Forget(c);
        children_.erase(id);
        parent_.erase(id);
    }
    void PreOrder(int id, Ints& out) const {
        for (int c : children(id)) {
            out.push_back(c);
            PreOrder(c, out);
        }
    }
    void PostOrder(int id, Ints& out) const {
        for (int c : children(id)) {
            PostOrder(c, out);
            out.push_back(c);
        }
    }

    std::map<int, Ints> children_{{0, {}}};
    std::map<int, int> parent_;
};

IntTree::pre_order_iterator Find(IntTree& tree, int id) {
    auto it = std::find(tree.begin(), tree.end(), id);
    EXPECT_NE(it, tree.end()) << "node " << id << " missing";
    return it;
}

void ExpectSameTraversals(const IntTree& tree, const Model& model) {
    const Ints pre = model.ids();
    const Ints post = model.PostOrderAll();
    ASSERT_EQ(Ints(tree.begin(), tree.end()), pre);
    ASSERT_EQ(Ints(tree.begin_post(), tree.end_post()), post);
    ASSERT_EQ(tree.size(), pre.size());
    Ints pre_back, post_back;
    for (auto it = tree.end(); it != tree.begin();) pre_back.push_back(*--it);
    for (auto it = tree.end_post(); it != tree.begin_post();) post_back.push_back(*--it);
    ASSERT_EQ(pre_back, Ints(pre.rbegin(), pre.rend()));
    ASSERT_EQ(post_back, Ints(post.rbegin(), post.rend()));
}

void ExpectSameQueries(IntTree& tree, const Model& model) {
    for (auto it = tree.begin(); it != tree.end(); ++it) {
        const int id = *it;
        const Ints& kids = model.children(id);
        const Ints& sibs = model.children(model.parent(id));
        ASSERT_EQ(tree.depth(it), model.depth(id)) << id;
        ASSERT_EQ(tree.index(it), model.index(id)) << id;
        ASSERT_EQ(tree.number_of_children(it), kids.size()) << id;
        ASSERT_EQ(tree.number_of_siblings(it), sibs.size() - model.index(id)) << id;
        ASSERT_EQ(Ints(tree.begin(it), tree.end(it)), kids) << id;
        const int parent = model.parent(id);
        if (parent == 0)
            ASSERT_FALSE(tree.is_valid(tree.parent(it)));
        else
            ASSERT_EQ(*tree.parent(it), parent);
        // Pre-order over the node's own subtree ends where the sibling end converts to.
        IntTree::pre_order_iterator stop = tree.end(it);
        ASSERT_EQ(Ints(IntTree::pre_order_iterator(it), stop), model.PreOrderOf(id));
    }
}

TEST(TreeRandomized, MatchesAVectorOfChildrenModel) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        auto pick = [&rng](std::size_t n) {
            return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
        };
        IntTree tree;
        Model model;
        int next_id = 1;
        for (int step = 0; step < 120; ++step) {
            const Ints ids = model.ids();
            const int target = ids.empty() ? 0 : ids[pick(ids.size())];
            const int id = next_id++;
            switch (ids.empty() ? pick(3) : pick(10)) {
                case 0:  // a new first top-level node
                    tree.SetHead(id);
                    model.Prepend(id);
                    break;
                case 1:  // before the head: a new last top-level node
                    ASSERT_EQ(*tree.insert(tree.end(), id), id);
                    model.AppendChild(0, id);
                    break;
                case 2:  // at the end of the top-level range
                    tree.insert(tree.top_level().end(), id);
                    model.AppendChild(0, id);
                    break;
                case 3:
                case 4:
                    tree.append_child(Find(tree, target), id);
                    model.AppendChild(target, id);
                    break;
                case 5:
                    tree.insert(Find(tree, target), id);
                    model.InsertBefore(target, id);
                    break;
                case 6:  // past the last child of the target
                    tree.insert(tree.end(Find(tree, target)), id);
                    model.AppendChild(target, id);
                    break;
                case 7:
                case 8: {
                    const int successor = model.Erase(target);
                    auto it = tree.erase(Find(tree, target));
                    if (successor < 0)
                        ASSERT_EQ(it, tree.end());
                    else
                        ASSERT_EQ(*it, successor);
                    break;
                }
                default:
                    tree.erase_children(Find(tree, target));
                    model.EraseChildren(target);
                    break;
            }
            ExpectSameTraversals(tree, model);
            if (step % 20 == 19) {
                ExpectSameQueries(tree, model);
                IntTree copy(tree);
                ExpectSameTraversals(copy, model);
            }
        }
        tree.clear();
        ASSERT_TRUE(tree.empty());
    }
}

}  // namespace

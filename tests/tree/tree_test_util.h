// Helpers shared by the tree tests: reading a traversal into a vector and building the
// small tree R(S(U), T) that most cases start from.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "vdxml/tree.h"

namespace tree_test {

using Tree = CRk32Tree<std::string>;
using Strings = std::vector<std::string>;

template <class It>
Strings Collect(It first, It last) {
    Strings out;
    for (; first != last; ++first) out.push_back(*first);
    return out;
}

template <class Tr>
Strings PreOrder(const Tr& tree) {
    return Collect(tree.begin(), tree.end());
}

template <class Tr>
Strings PostOrder(const Tr& tree) {
    return Collect(tree.begin_post(), tree.end_post());
}

/// The pre-order sequence with each node's depth: equal shapes give equal results.
template <class Tr>
std::vector<std::pair<typename Tr::value_type, std::size_t>> Shape(const Tr& tree) {
    std::vector<std::pair<typename Tr::value_type, std::size_t>> out;
    for (auto it = tree.begin(); it != tree.end(); ++it) out.emplace_back(*it, tree.depth(it));
    return out;
}

/// R with the children S and T; S with the child U.
struct Rsut {
    Tree tree;
    Tree::pre_order_iterator r, s, u, t;

    Rsut() {
        r = tree.SetHead("R");
        s = tree.append_child(r, "S");
        t = tree.append_child(r, "T");
        u = tree.append_child(s, "U");
    }
};

}  // namespace tree_test

/// @file tree.h
/// @brief CRk32Tree: an n-ary tree container (a forest of ordered trees) with pre-order,
/// post-order and sibling iterators. The record tree keeps its records in one.
///
/// Layout. Every node (`_tree_node<T>`) links to its parent, its first and last child and
/// its previous and next sibling. The first child's `prev_sibling` and the last child's
/// `next_sibling` are null. The top-level nodes are closed into a ring through one sentinel,
/// the head: the first top-level node's `prev_sibling` and the last one's `next_sibling`
/// point to the head, whose `next_sibling` / `prev_sibling` point back to the first / last
/// top-level node (to itself in an empty tree). The head has no parent and no children. A
/// pre-order or post-order iterator on the head is the end iterator; a sibling iterator past
/// the last child has a null node and remembers the parent whose children it runs over.
///
/// Choices made by this container where the traversal rules alone do not decide:
/// - Iterators are plain value types (no virtual functions) so that they copy without slicing
///   and satisfy the standard bidirectional-iterator requirements. `it += n` steps `++` n
///   times and `it -= n` steps `--` n times; n is unsigned and n = 0 does nothing.
/// - Each iterator kind has a const flavour (`const_pre_order_iterator`, ...). All kinds
///   convert into one another; a sibling iterator at the end of its range converts to the
///   pre-order iterator on the node after its parent's subtree, and to the post-order
///   iterator on the parent itself (the node that follows its last child in post-order).
/// - The top-level nodes form a sibling range that ends at the head: `top_level()`, or a
///   sibling iterator made from `begin()` stepped until it equals `end()`. The children of
///   the head (`children(end())`) are an empty range.
/// - The head holds a value-initialised `T` when `T` is default-constructible (so reading
///   `*end()` by mistake yields `T()`, a null pointer for pointer types) and no value at all
///   otherwise. It is never part of a traversal.
/// - Misuse that costs one comparison to detect is harmless: queries on a null or end
///   iterator answer 0 or false; modifications that have no meaning there (append_child,
///   erase, replace, swap at end(); anything at a null position) change nothing and return
///   end(); `++`/`--` on a null iterator leave it null. Dereferencing a null or end
///   iterator, stepping beyond `end()` (the ring wraps around) and passing another tree's
///   end iterator where a node is expected remain errors.
/// - Copies are deep: a copied tree shares no node with its original. Values are copied
///   with `T`'s copy constructor; pointer values are copied as they are, never what they
///   point to (the container never owns pointees).
/// - Walks that could be as deep as the tree (copy, clear, size, deep sort) are iterative,
///   so a very deep tree cannot overflow the stack. `merge` recurses once per level.
/// - `replace`, `insert_subtree` and `subtree` copy their whole source before they link
///   anything, so source and destination may lie in the same tree, even overlap. `merge`
///   copies subtree by subtree; its target must not lie inside the source's subtrees.
/// - Moving a tree leaves the source empty; the move constructor allocates a new head for
///   the source and may therefore throw like the allocator.
///
/// Iterators hold plain node pointers: an iterator to a removed node is invalid afterwards;
/// inserting never invalidates an iterator. A tree belongs to one thread at a time.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

/// One node of a CRk32Tree. The value lives in an anonymous union so that the head sentinel
/// can exist without one; the tree constructs and destroys `data` itself.
template <class T>
struct _tree_node {
    _tree_node* parent = nullptr;       ///< Null for a top-level node and for the head.
    _tree_node* first_child = nullptr;  ///< Null for a leaf.
    _tree_node* last_child = nullptr;   ///< Null for a leaf.
    /// Null for a first child; the head for the first top-level node.
    _tree_node* prev_sibling = nullptr;
    /// Null for a last child; the head for the last top-level node.
    _tree_node* next_sibling = nullptr;
    union {
        T data;  ///< The stored value (absent in the head when T is not default-constructible).
    };

    /// A node without a value (the head of a tree whose T has no default constructor).
    _tree_node() noexcept {}
    /// A node whose value is constructed from `args`.
    template <class... Args>
    explicit _tree_node(std::in_place_t, Args&&... args) : data(std::forward<Args>(args)...) {}
    /// Leaves `data` alone: the tree knows whether the node holds a value.
    ~_tree_node() {}

    _tree_node(const _tree_node&) = delete;
    _tree_node& operator=(const _tree_node&) = delete;
};

/// An n-ary tree container: any number of top-level nodes, each with any number of ordered
/// children. Stores values of T; `Alloc` allocates the nodes one by one (it is rebound to
/// `_tree_node<T>` if given for another type).
template <class T, class Alloc = std::allocator<_tree_node<T>>>
class CRk32Tree {
  public:
    using value_type = T;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using node_type = _tree_node<T>;
    using allocator_type =
        typename std::allocator_traits<Alloc>::template rebind_alloc<_tree_node<T>>;

  private:
    using alloc_traits = std::allocator_traits<allocator_type>;
    template <bool From, bool To>
    using enable_if_convertible = std::enable_if_t<To || !From, int>;
    /// The head holds a value only when one can be made without arguments.
    static constexpr bool head_has_value = std::is_default_constructible_v<T>;

    // Single steps shared by the iterators and the tree's own walks. All accept null. A walk
    // backwards is a walk forwards with first and last children, next and previous siblings
    // exchanged: pre-order `--` is post-order `++` mirrored, post-order `--` is pre-order `++`
    // mirrored. So two steps, each in both directions, serve both orders.

    template <bool Forward>
    static node_type* first_child_of(const node_type* n) noexcept {
        return Forward ? n->first_child : n->last_child;
    }
    template <bool Forward>
    static node_type* next_sibling_of(const node_type* n) noexcept {
        return Forward ? n->next_sibling : n->prev_sibling;
    }
    /// The step that goes down before it goes on (pre-order `++`, post-order `--`): the first
    /// child, or with `skip_children` the next node outside `n`'s subtree.
    template <bool Forward>
    static node_type* step_into(node_type* n, bool skip_children) noexcept {
        if (n == nullptr) return nullptr;
        if (!skip_children && first_child_of<Forward>(n) != nullptr)
            return first_child_of<Forward>(n);
        while (next_sibling_of<Forward>(n) == nullptr) {
            n = n->parent;
            if (n == nullptr) return nullptr;
        }
        return next_sibling_of<Forward>(n);
    }
    /// The step that finishes a node's subtree (post-order `++`, pre-order `--`): the parent
    /// after the last sibling, else the next sibling's deepest first descendant, or with
    /// `skip_children` the next sibling itself.
    template <bool Forward>
    static node_type* step_out(node_type* n, bool skip_children) noexcept {
        if (n == nullptr) return nullptr;
        if (next_sibling_of<Forward>(n) == nullptr) return n->parent;
        n = next_sibling_of<Forward>(n);
        if (!skip_children)
            while (first_child_of<Forward>(n) != nullptr) n = first_child_of<Forward>(n);
        return n;
    }
    /// Pre-order successor; with `skip_children` the successor outside `n`'s subtree.
    static node_type* pre_next(node_type* n, bool skip_children) noexcept {
        return step_into<true>(n, skip_children);
    }

  public:
    template <bool PreOrder, bool IsConst>
    class basic_order_iterator;
    template <bool IsConst>
    class basic_sibling_iterator;
    /// The pre-order and post-order iterators are one class with the order as a parameter.
    template <bool IsConst>
    using basic_pre_order_iterator = basic_order_iterator<true, IsConst>;
    template <bool IsConst>
    using basic_post_order_iterator = basic_order_iterator<false, IsConst>;

    /// What every iterator holds: the current node and the flag that changes the next step.
    /// Iterators compare equal when they are on the same node, whatever their kind.
    class iterator_base {
      public:
        iterator_base() noexcept = default;

        /// Makes the next step pass over children: `++` of a pre-order iterator and `--` of a
        /// post-order iterator pass over the current node's children, `++` of a post-order
        /// iterator and `--` of a pre-order iterator stop on the sibling itself instead of
        /// its deepest descendant. The next step clears the flag, whichever way it goes.
        void skip_children(bool skip = true) noexcept { skip_current_children = skip; }

        friend bool operator==(const iterator_base& a, const iterator_base& b) noexcept {
            return a.node == b.node;
        }
        friend bool operator!=(const iterator_base& a, const iterator_base& b) noexcept {
            return a.node != b.node;
        }

        node_type* node = nullptr;           ///< The current node; the head at a traversal's end.
        bool skip_current_children = false;  ///< See skip_children().

      protected:
        explicit iterator_base(node_type* n, bool skip = false) noexcept
            : node(n), skip_current_children(skip) {}
    };

    /// The value access and stepping operators of every iterator kind. `Derived` makes the
    /// single steps, `forward()` for `++` and `backward()` for `--`.
    template <class Derived, bool IsConst>
    class basic_stepping_iterator : public iterator_base {
      public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::conditional_t<IsConst, const T*, T*>;
        using reference = std::conditional_t<IsConst, const T&, T&>;

        reference operator*() const noexcept { return this->node->data; }
        pointer operator->() const noexcept { return std::addressof(this->node->data); }

        Derived& operator++() noexcept {
            self().forward();
            return self();
        }
        Derived operator++(int) noexcept {
            Derived old(self());
            self().forward();
            return old;
        }
        Derived& operator--() noexcept {
            self().backward();
            return self();
        }
        Derived operator--(int) noexcept {
            Derived old(self());
            self().backward();
            return old;
        }
        /// Steps `++` n times.
        Derived& operator+=(size_type n) noexcept {
            while (n-- > 0) self().forward();
            return self();
        }
        /// Steps `--` n times.
        Derived& operator-=(size_type n) noexcept {
            while (n-- > 0) self().backward();
            return self();
        }

      protected:
        basic_stepping_iterator() noexcept = default;
        explicit basic_stepping_iterator(node_type* n, bool skip = false) noexcept
            : iterator_base(n, skip) {}
        /// One step of a depth-first walk, which uses up the flag.
        void walk(node_type* (*step)(node_type*, bool)) noexcept {
            this->node = step(this->node, std::exchange(this->skip_current_children, false));
        }

      private:
        Derived& self() noexcept { return static_cast<Derived&>(*this); }
    };

    /// Walks nodes depth-first: with PreOrder each node before its children, else each node
    /// after them.
    template <bool PreOrder, bool IsConst>
    class basic_order_iterator
        : public basic_stepping_iterator<basic_order_iterator<PreOrder, IsConst>, IsConst> {
        using base = basic_stepping_iterator<basic_order_iterator, IsConst>;
        friend base;

      public:
        basic_order_iterator() noexcept = default;
        explicit basic_order_iterator(node_type* n) noexcept : base(n) {}
        /// On the same node; the flag carries over within one order only.
        template <bool P, bool C, enable_if_convertible<C, IsConst> = 0>
        basic_order_iterator(const basic_order_iterator<P, C>& other) noexcept
            : base(other.node, P == PreOrder && other.skip_current_children) {}
        /// On a node: that node. At the end of a sibling range: in pre-order the node that
        /// follows the range's parent and its whole subtree, in post-order the parent itself,
        /// which follows its last child.
        template <bool C, enable_if_convertible<C, IsConst> = 0>
        basic_order_iterator(const basic_sibling_iterator<C>& other) noexcept
            : base(other.node != nullptr || other.range_parent() == nullptr ? other.node
                   : PreOrder ? pre_next(other.range_parent(), true)
                              : other.range_parent()) {}

      private:
        void forward() noexcept { this->walk(PreOrder ? step_into<true> : step_out<true>); }
        void backward() noexcept { this->walk(PreOrder ? step_out<false> : step_into<false>); }
    };

    /// Walks the children of one parent in order. Past the last child the node is null (for
    /// top-level nodes: the head); `--` from there returns to the parent's last child.
    template <bool IsConst>
    class basic_sibling_iterator
        : public basic_stepping_iterator<basic_sibling_iterator<IsConst>, IsConst> {
        using base = basic_stepping_iterator<basic_sibling_iterator, IsConst>;
        friend base;

      public:
        basic_sibling_iterator() noexcept = default;
        /// On `n` among the children of `parent` (`n` null: past the last child).
        basic_sibling_iterator(node_type* n, node_type* parent) noexcept
            : base(n), parent_(parent) {}
        template <bool C, enable_if_convertible<C, IsConst> = 0>
        basic_sibling_iterator(const basic_sibling_iterator<C>& other) noexcept
            : base(other.node), parent_(other.range_parent()) {}
        template <bool P, bool C, enable_if_convertible<C, IsConst> = 0>
        basic_sibling_iterator(const basic_order_iterator<P, C>& other) noexcept
            : base(other.node), parent_(other.node ? other.node->parent : nullptr) {}

        /// The parent whose children this iterator runs over (null for top-level nodes).
        node_type* range_parent() const noexcept { return parent_; }

      private:
        void forward() noexcept {
            if (this->node != nullptr) this->node = this->node->next_sibling;
        }
        void backward() noexcept {
            if (this->node != nullptr)
                this->node = this->node->prev_sibling;
            else if (parent_ != nullptr)
                this->node = parent_->last_child;
        }

        node_type* parent_ = nullptr;
    };

    using pre_order_iterator = basic_pre_order_iterator<false>;
    using const_pre_order_iterator = basic_pre_order_iterator<true>;
    using post_order_iterator = basic_post_order_iterator<false>;
    using const_post_order_iterator = basic_post_order_iterator<true>;
    using sibling_iterator = basic_sibling_iterator<false>;
    using const_sibling_iterator = basic_sibling_iterator<true>;
    using iterator = pre_order_iterator;
    using const_iterator = const_pre_order_iterator;

    /// A begin/end pair for range-for and the standard algorithms.
    template <class It>
    class iterator_range {
      public:
        iterator_range(It first, It last) : first_(first), last_(last) {}
        It begin() const { return first_; }
        It end() const { return last_; }

      private:
        It first_;
        It last_;
    };

    // ---- construction and assignment ----------------------------------------------------

    /// An empty tree.
    CRk32Tree() : CRk32Tree(allocator_type()) {}
    /// An empty tree whose nodes come from `alloc`.
    explicit CRk32Tree(const allocator_type& alloc) : alloc_(alloc) { InitializeHead(); }
    /// A tree with one top-level node holding `value`.
    explicit CRk32Tree(const T& value) : CRk32Tree() { SetHead(value); }
    /// A tree holding a copy of the subtree at `it`, a node of any tree (not an end
    /// iterator); empty if `it` is null.
    explicit CRk32Tree(const iterator_base& it) : CRk32Tree() {
        if (it.node != nullptr) link_before(head, copy_detached(it.node));
    }
    /// A deep copy: the new tree shares no node with `other`.
    CRk32Tree(const CRk32Tree& other)
        : CRk32Tree(alloc_traits::select_on_container_copy_construction(other.alloc_)) {
        Copy(other);
    }
    /// Takes over `other`'s nodes; `other` is left empty.
    CRk32Tree(CRk32Tree&& other) : CRk32Tree(other.alloc_) { swap(other); }
    /// Replaces the contents with a deep copy of `other`; unchanged if copying throws.
    CRk32Tree& operator=(const CRk32Tree& other) {
        if (this != &other) {
            CRk32Tree copy(other);
            swap(copy);
        }
        return *this;
    }
    /// Takes over `other`'s nodes; `other` is left empty.
    CRk32Tree& operator=(CRk32Tree&& other) noexcept {
        if (this != &other) {
            clear();
            swap(other);
        }
        return *this;
    }
    /// Frees every node and the head; pointer values are not deleted.
    ~CRk32Tree() {
        clear();
        destroy_head();
    }

    /// Exchanges the contents (and allocators) of two trees; no node is copied and every
    /// iterator stays on its node, now in the other tree.
    void swap(CRk32Tree& other) noexcept {
        using std::swap;
        swap(alloc_, other.alloc_);
        swap(head, other.head);
    }
    friend void swap(CRk32Tree& a, CRk32Tree& b) noexcept { a.swap(b); }

    /// A copy of the node allocator.
    allocator_type get_allocator() const { return alloc_; }

    // ---- traversal -------------------------------------------------------------------------

    /// Pre-order from the first top-level node.
    pre_order_iterator begin() noexcept { return pre_order_iterator(head->next_sibling); }
    const_pre_order_iterator begin() const noexcept {
        return const_pre_order_iterator(head->next_sibling);
    }
    const_pre_order_iterator cbegin() const noexcept { return begin(); }
    /// The end of pre-order (and post-order): the head.
    pre_order_iterator end() noexcept { return pre_order_iterator(head); }
    const_pre_order_iterator end() const noexcept { return const_pre_order_iterator(head); }
    const_pre_order_iterator cend() const noexcept { return end(); }

    /// Post-order from the leftmost leaf of the first top-level subtree.
    post_order_iterator begin_post() noexcept { return post_order_iterator(first_post()); }
    const_post_order_iterator begin_post() const noexcept {
        return const_post_order_iterator(first_post());
    }
    /// The end of post-order: the head, like end().
    post_order_iterator end_post() noexcept { return post_order_iterator(head); }
    const_post_order_iterator end_post() const noexcept { return const_post_order_iterator(head); }

    /// The first child of `it` (past-the-end if it has none).
    sibling_iterator begin(const iterator_base& it) noexcept {
        return sibling_iterator(first_child_of(it), parent_of_range(it));
    }
    const_sibling_iterator begin(const iterator_base& it) const noexcept {
        return const_sibling_iterator(first_child_of(it), parent_of_range(it));
    }
    /// Past the last child of `it`.
    sibling_iterator end(const iterator_base& it) noexcept {
        return sibling_iterator(nullptr, parent_of_range(it));
    }
    const_sibling_iterator end(const iterator_base& it) const noexcept {
        return const_sibling_iterator(nullptr, parent_of_range(it));
    }
    /// The children of `it` for range-for: `for (auto& v : tree.children(it))`.
    iterator_range<sibling_iterator> children(const iterator_base& it) noexcept {
        return {begin(it), end(it)};
    }
    iterator_range<const_sibling_iterator> children(const iterator_base& it) const noexcept {
        return {begin(it), end(it)};
    }
    /// The top-level nodes; the range ends at the head, so its end equals `end()`.
    iterator_range<sibling_iterator> top_level() noexcept {
        return {sibling_iterator(head->next_sibling, nullptr), sibling_iterator(head, nullptr)};
    }
    iterator_range<const_sibling_iterator> top_level() const noexcept {
        return {const_sibling_iterator(head->next_sibling, nullptr),
                const_sibling_iterator(head, nullptr)};
    }

    /// The sibling after `it`: past-the-end of `it`'s range if there is none (the head for
    /// the last top-level node, a null node otherwise).
    sibling_iterator next_sibling(const iterator_base& it) noexcept {
        return sibling_iterator(neighbour(it, true), parent_of(it));
    }
    const_sibling_iterator next_sibling(const iterator_base& it) const noexcept {
        return const_sibling_iterator(neighbour(it, true), parent_of(it));
    }
    /// The sibling before `it`: a null node (the head for the first top-level node) if none.
    sibling_iterator previous_sibling(const iterator_base& it) noexcept {
        return sibling_iterator(neighbour(it, false), parent_of(it));
    }
    const_sibling_iterator previous_sibling(const iterator_base& it) const noexcept {
        return const_sibling_iterator(neighbour(it, false), parent_of(it));
    }
    /// The parent of `it`; a null iterator for a top-level node (and for null or end).
    pre_order_iterator parent(const iterator_base& it) noexcept {
        return pre_order_iterator(parent_of(it));
    }
    const_pre_order_iterator parent(const iterator_base& it) const noexcept {
        return const_pre_order_iterator(parent_of(it));
    }
    /// The n-th child of `it`, counted from 0; past-the-end of the children if n is not less
    /// than number_of_children(it).
    sibling_iterator child(const iterator_base& it, size_type n) noexcept {
        return sibling_iterator(nth_child(it, n), parent_of_range(it));
    }
    const_sibling_iterator child(const iterator_base& it, size_type n) const noexcept {
        return const_sibling_iterator(nth_child(it, n), parent_of_range(it));
    }

    // ---- queries ---------------------------------------------------------------------------

    /// The number of nodes (a full pre-order walk).
    size_type size() const noexcept {
        size_type count = 0;
        for (node_type* n = head->next_sibling; n != head; n = pre_next(n, false)) ++count;
        return count;
    }
    /// True when the tree has no node.
    bool empty() const noexcept { return head->next_sibling == head; }
    /// The number of ancestors of `it`: 0 for a top-level node (and for null or end).
    size_type depth(const iterator_base& it) const noexcept {
        size_type d = 0;
        if (!is_node(it.node)) return 0;
        for (node_type* n = it.node->parent; n != nullptr; n = n->parent) ++d;
        return d;
    }
    /// The number of direct children of `it`.
    size_type number_of_children(const iterator_base& it) const noexcept {
        size_type count = 0;
        for (node_type* n = first_child_of(it); n != nullptr; n = n->next_sibling) ++count;
        return count;
    }
    /// 1 plus the number of siblings after `it` (those before it are not counted); 0 for
    /// null or end.
    size_type number_of_siblings(const iterator_base& it) const noexcept {
        if (!is_node(it.node)) return 0;
        size_type count = 1;
        for (node_type* n = it.node->next_sibling; n != nullptr && n != head; n = n->next_sibling)
            ++count;
        return count;
    }
    /// The number of siblings before `it` (top-level nodes: top-level nodes before it).
    size_type index(const iterator_base& it) const noexcept {
        if (!is_node(it.node)) return 0;
        size_type count = 0;
        for (node_type* n = it.node->prev_sibling; n != nullptr && n != head; n = n->prev_sibling)
            ++count;
        return count;
    }
    /// True if `it` is on a node of the tree, false for a null or end iterator.
    bool is_valid(const iterator_base& it) const noexcept { return is_node(it.node); }
    /// True if `it` is met while stepping in pre-order from `first` up to, not including,
    /// `last` (the walk also stops at the end of the tree).
    bool is_in_subtree(const iterator_base& it, const_pre_order_iterator first,
                       const_pre_order_iterator last) const noexcept {
        if (!is_node(it.node)) return false;
        for (node_type* n = first.node; n != nullptr && n != last.node && n != head;
             n = pre_next(n, false)) {
            if (n == it.node) return true;
        }
        return false;
    }

    // ---- modification ----------------------------------------------------------------------

    /// Inserts a top-level node holding `value` before the first one; returns it. Despite its
    /// name it leaves the head sentinel alone.
    pre_order_iterator SetHead(const T& value) {
        node_type* n = create_node(value);
        link_before(head->next_sibling, n);
        return pre_order_iterator(n);
    }
    /// Inserts a node holding `value` as the sibling just before `position`; before `end()`
    /// it becomes the last top-level node. Returns the new node (end() for a null position).
    pre_order_iterator insert(const iterator_base& position, const T& value) {
        if (position.node == nullptr) return end();
        node_type* n = create_node(value);
        link_before(position.node, n);
        return pre_order_iterator(n);
    }
    /// As above; past the last child of a parent the new node becomes its last child.
    template <bool C>
    pre_order_iterator insert(const basic_sibling_iterator<C>& position, const T& value) {
        if (!can_link_at(position)) return end();
        node_type* n = create_node(value);
        link_at(position, n);
        return pre_order_iterator(n);
    }
    /// Inserts a copy of the subtree at `subtree` just before `position`; returns its root.
    pre_order_iterator insert_subtree(const iterator_base& position, const iterator_base& subtree) {
        if (position.node == nullptr || subtree.node == nullptr || subtree.node == head)
            return end();
        node_type* n = copy_detached(subtree.node);
        link_before(position.node, n);
        return pre_order_iterator(n);
    }
    /// As above; past the last child of a parent the copy becomes its last child.
    template <bool C>
    pre_order_iterator insert_subtree(const basic_sibling_iterator<C>& position,
                                      const iterator_base& subtree) {
        if (!can_link_at(position) || subtree.node == nullptr || subtree.node == head) return end();
        node_type* n = copy_detached(subtree.node);
        link_at(position, n);
        return pre_order_iterator(n);
    }
    /// Appends a leaf holding `value` as the last child of `position`; returns it (end() and
    /// no change if `position` is null or end).
    pre_order_iterator append_child(const iterator_base& position, const T& value) {
        if (!is_node(position.node)) return end();
        node_type* n = create_node(value);
        link_last_child(position.node, n);
        return pre_order_iterator(n);
    }

    /// Removes `it` with its subtree; returns the pre-order successor outside that subtree
    /// (end() after the last one, and for a null or end `it`).
    pre_order_iterator erase(const iterator_base& it) noexcept {
        if (!is_node(it.node)) return end();
        node_type* successor = pre_next(it.node, true);
        remove_subtree(it.node);
        return pre_order_iterator(successor);
    }
    /// Removes `it` with its subtree; returns the next sibling (past-the-end of the range if
    /// `it` was the last), which converts to the same successor as the form above.
    template <bool C>
    sibling_iterator erase(const basic_sibling_iterator<C>& it) noexcept {
        if (!is_node(it.node)) return sibling_iterator(it.node, it.range_parent());
        sibling_iterator next(it.node->next_sibling, it.range_parent());
        remove_subtree(it.node);
        return next;
    }
    /// Removes every descendant of `it`; `it` becomes a leaf.
    void erase_children(const iterator_base& it) noexcept {
        if (is_node(it.node)) destroy_descendants(it.node);
    }
    /// Removes every node.
    void clear() noexcept {
        while (head->next_sibling != head) remove_subtree(head->next_sibling);
    }

    /// Puts a copy of the subtree at `from` (of this or another tree) in the place of the
    /// subtree at `position`, which is removed. Returns the copy's root; end() and no change
    /// if either iterator is null or end. `from` may lie inside the replaced subtree.
    pre_order_iterator replace(const iterator_base& position, const iterator_base& from) {
        if (!is_node(position.node) || from.node == nullptr || from.node == head) return end();
        node_type* n = copy_detached(from.node);
        link_before(position.node, n);
        remove_subtree(position.node);
        return pre_order_iterator(n);
    }
    /// Puts copies of the sibling range [new_first, new_last) in the place of the sibling
    /// range [first, last), which is removed. Returns the first copy, or `last` if the new
    /// range is empty. An empty [first, last) only inserts, before `last`.
    sibling_iterator replace(const_sibling_iterator first, const_sibling_iterator last,
                             const_sibling_iterator new_first, const_sibling_iterator new_last) {
        if (!can_link_at(first)) return sibling_iterator(last.node, last.range_parent());
        std::vector<node_type*> copies = copy_range(new_first.node, new_last.node, head);
        for (node_type* n : copies) link_at(first, n);
        for (node_type* n = first.node; n != nullptr && n != last.node && n != head;) {
            node_type* next = n->next_sibling;
            remove_subtree(n);
            n = next;
        }
        if (copies.empty()) return sibling_iterator(last.node, last.range_parent());
        return sibling_iterator(copies.front(), copies.front()->parent);
    }

    /// Merges the sibling range [from_first, from_last) into [to_first, to_last): a source
    /// node whose value equals (==) a target node's value merges its children into that
    /// node's children the same way; any other source node is copied, with its subtree, to
    /// the end of the target range. The source is only read. Both ranges may lie in one
    /// tree, but the target range must not lie inside the source's subtrees.
    void merge(const_sibling_iterator to_first, const_sibling_iterator to_last,
               const_sibling_iterator from_first, const_sibling_iterator from_last) {
        if (!can_link_at(to_last)) return;
        for (node_type* f = from_first.node; f != nullptr && f != from_last.node && f != head;
             f = f->next_sibling) {
            node_type* match = nullptr;
            for (node_type* t = to_first.node; t != nullptr && t != to_last.node && t != head;
                 t = t->next_sibling) {
                if (t->data == f->data) {
                    match = t;
                    break;
                }
            }
            if (match != nullptr) {
                merge(const_sibling_iterator(match->first_child, match),
                      const_sibling_iterator(nullptr, match),
                      const_sibling_iterator(f->first_child, f),
                      const_sibling_iterator(nullptr, f));
            } else {
                node_type* n = copy_detached(f);
                link_at(to_last, n);
                if (to_first == to_last) to_first = const_sibling_iterator(n, n->parent);
            }
        }
    }

    /// Sorts the sibling range [first, last) by `std::less<T>`, stably; with `deep` also the
    /// children of every node in the range, at all levels. Nodes are relinked, not copied:
    /// iterators stay on their nodes.
    void sort(const_sibling_iterator first, const_sibling_iterator last, bool deep = false) {
        sort(first, last, std::less<T>(), deep);
    }
    /// As above, ordered by `comp(a, b)` (a strict weak ordering of values).
    template <class Compare>
    void sort(const_sibling_iterator first, const_sibling_iterator last, Compare comp,
              bool deep = false) {
        if (!is_node(first.node)) return;
        std::vector<node_type*> range = sort_siblings(first.node, last.node, comp);
        if (!deep) return;
        std::vector<node_type*> pending(range.rbegin(), range.rend());
        while (!pending.empty()) {
            node_type* p = pending.back();
            pending.pop_back();
            std::vector<node_type*> kids = sort_siblings(p->first_child, nullptr, comp);
            pending.insert(pending.end(), kids.rbegin(), kids.rend());
        }
    }

    /// A new tree whose top-level nodes are copies of the sibling range [first, last), each
    /// with its subtree.
    CRk32Tree subtree(const_sibling_iterator first, const_sibling_iterator last) const {
        CRk32Tree result(alloc_traits::select_on_container_copy_construction(alloc_));
        for (node_type* n : result.copy_range(first.node, last.node, head))
            result.adopt_top_level(n);
        return result;
    }
    /// Replaces the contents of `dest` (which may be this tree) by copies of the sibling
    /// range [first, last) as top-level nodes.
    void subtree(CRk32Tree& dest, const_sibling_iterator first, const_sibling_iterator last) const {
        CRk32Tree result = subtree(first, last);
        dest.swap(result);
    }

    /// Exchanges `it` (with its subtree) and its next sibling; nothing happens if there is
    /// none. Iterators stay on their nodes.
    void swap(const iterator_base& it) noexcept {
        if (!is_node(it.node)) return;
        node_type* a = it.node;
        node_type* b = a->next_sibling;
        if (b == nullptr || b == head) return;
        node_type* before = a->prev_sibling;
        node_type* after = b->next_sibling;
        if (before != nullptr)
            before->next_sibling = b;
        else
            a->parent->first_child = b;
        if (after != nullptr)
            after->prev_sibling = a;
        else
            a->parent->last_child = a;
        b->prev_sibling = before;
        b->next_sibling = a;
        a->prev_sibling = b;
        a->next_sibling = after;
    }

  private:
    /// Allocates the head and closes the (empty) top-level ring through it.
    void InitializeHead() {
        node_type* h = alloc_traits::allocate(alloc_, 1);
        try {
            if constexpr (head_has_value)
                alloc_traits::construct(alloc_, h, std::in_place);
            else
                alloc_traits::construct(alloc_, h);
        } catch (...) {
            alloc_traits::deallocate(alloc_, h, 1);
            throw;
        }
        h->prev_sibling = h;
        h->next_sibling = h;
        head = h;
    }
    void destroy_head() noexcept {
        if constexpr (head_has_value) head->data.~T();
        alloc_traits::destroy(alloc_, head);
        alloc_traits::deallocate(alloc_, head, 1);
    }
    /// Clears this tree, then copies `other`'s top-level nodes in order and below each copy
    /// the whole subtree of its original.
    void Copy(const CRk32Tree& other) {
        clear();
        for (node_type* n = other.head->next_sibling; n != other.head; n = n->next_sibling)
            link_before(head, create_node(n->data));
        node_type* mine = head->next_sibling;
        for (node_type* n = other.head->next_sibling; n != other.head; n = n->next_sibling) {
            copy_children(n, mine);
            mine = mine->next_sibling;
        }
    }

    bool is_node(const node_type* n) const noexcept { return n != nullptr && n != head; }
    node_type* first_child_of(const iterator_base& it) const noexcept {
        return is_node(it.node) ? it.node->first_child : nullptr;
    }
    /// The parent recorded in a sibling range over the children of `it`.
    node_type* parent_of_range(const iterator_base& it) const noexcept {
        return is_node(it.node) ? it.node : nullptr;
    }
    node_type* parent_of(const iterator_base& it) const noexcept {
        return is_node(it.node) ? it.node->parent : nullptr;
    }
    node_type* neighbour(const iterator_base& it, bool next) const noexcept {
        if (!is_node(it.node)) return nullptr;
        return next ? it.node->next_sibling : it.node->prev_sibling;
    }
    node_type* nth_child(const iterator_base& it, size_type n) const noexcept {
        node_type* c = first_child_of(it);
        while (c != nullptr && n-- > 0) c = c->next_sibling;
        return c;
    }
    node_type* first_post() const noexcept {
        node_type* n = head->next_sibling;
        while (n->first_child != nullptr) n = n->first_child;
        return n;
    }

    /// A new unlinked node holding a copy of `value`.
    node_type* create_node(const T& value) {
        node_type* n = alloc_traits::allocate(alloc_, 1);
        try {
            alloc_traits::construct(alloc_, n, std::in_place, value);
        } catch (...) {
            alloc_traits::deallocate(alloc_, n, 1);
            throw;
        }
        return n;
    }
    void destroy_node(node_type* n) noexcept {
        n->data.~T();
        alloc_traits::destroy(alloc_, n);
        alloc_traits::deallocate(alloc_, n, 1);
    }

    /// Links the unlinked node `n` as the sibling just before `pos`.
    void link_before(node_type* pos, node_type* n) noexcept {
        n->parent = pos->parent;
        n->next_sibling = pos;
        n->prev_sibling = pos->prev_sibling;
        if (n->prev_sibling == nullptr)
            n->parent->first_child = n;
        else
            n->prev_sibling->next_sibling = n;
        pos->prev_sibling = n;
    }
    /// Links the unlinked node `n` as the last child of `parent`.
    static void link_last_child(node_type* parent, node_type* n) noexcept {
        n->parent = parent;
        n->prev_sibling = parent->last_child;
        n->next_sibling = nullptr;
        if (parent->last_child == nullptr)
            parent->first_child = n;
        else
            parent->last_child->next_sibling = n;
        parent->last_child = n;
    }
    template <bool C>
    bool can_link_at(const basic_sibling_iterator<C>& pos) const noexcept {
        return pos.node != nullptr || is_node(pos.range_parent());
    }
    /// Links `n` before `pos`, or as the last child of its range's parent past the end.
    template <bool C>
    void link_at(const basic_sibling_iterator<C>& pos, node_type* n) noexcept {
        if (pos.node != nullptr)
            link_before(pos.node, n);
        else
            link_last_child(pos.range_parent(), n);
    }
    /// Unlinks and frees `n` with its whole subtree.
    void remove_subtree(node_type* n) noexcept {
        destroy_descendants(n);
        node_type* parent = n->parent;
        if (n->prev_sibling != nullptr)
            n->prev_sibling->next_sibling = n->next_sibling;
        else
            parent->first_child = n->next_sibling;
        if (n->next_sibling != nullptr)
            n->next_sibling->prev_sibling = n->prev_sibling;
        else
            parent->last_child = n->prev_sibling;
        destroy_node(n);
    }
    /// Frees every descendant of `top`, children before their parent, and makes `top` a leaf.
    void destroy_descendants(node_type* top) noexcept {
        node_type* n = top->first_child;
        while (n != nullptr) {
            if (n->first_child != nullptr) {
                n = n->first_child;
                continue;
            }
            node_type* next = n->next_sibling;
            node_type* up = n->parent;
            destroy_node(n);
            if (next != nullptr) {
                n = next;
            } else {
                // All of up's children are gone (they are freed first to last).
                up->first_child = nullptr;
                up->last_child = nullptr;
                n = (up == top) ? nullptr : up;
            }
        }
        top->first_child = nullptr;
        top->last_child = nullptr;
    }
    /// Appends copies of all descendants of `src` below the leaf `dst`, in order.
    void copy_children(const node_type* src, node_type* dst) {
        const node_type* s = src->first_child;
        while (s != nullptr) {
            node_type* copy = create_node(s->data);
            link_last_child(dst, copy);
            if (s->first_child != nullptr) {
                s = s->first_child;
                dst = copy;
                continue;
            }
            while (s != src && s->next_sibling == nullptr) {
                s = s->parent;
                dst = dst->parent;
            }
            s = (s == src) ? nullptr : s->next_sibling;
        }
    }
    /// An unlinked copy of `src` with its whole subtree. Nothing of the copy is linked into
    /// a tree before it is complete, so `src` may be anywhere, even in the destination.
    node_type* copy_detached(const node_type* src) {
        node_type* root = create_node(src->data);
        try {
            copy_children(src, root);
        } catch (...) {
            destroy_descendants(root);
            destroy_node(root);
            throw;
        }
        return root;
    }
    /// Unlinked copies of the siblings from `first` up to `last`, or up to the end of their
    /// range (a null node or `stop`, the head of the tree they belong to).
    std::vector<node_type*> copy_range(const node_type* first, const node_type* last,
                                       const node_type* stop) {
        std::vector<node_type*> copies;
        try {
            for (const node_type* n = first; n != nullptr && n != last && n != stop;
                 n = n->next_sibling) {
                copies.push_back(nullptr);  // room first: a finished copy is never unowned
                copies.back() = copy_detached(n);
            }
        } catch (...) {
            for (node_type* c : copies) {
                if (c == nullptr) continue;
                destroy_descendants(c);
                destroy_node(c);
            }
            throw;
        }
        return copies;
    }
    /// Links the unlinked node `n` as the last top-level node.
    void adopt_top_level(node_type* n) noexcept { link_before(head, n); }
    /// Stably sorts the siblings from `first` up to `last` by value and relinks them between
    /// their former neighbours. Returns the range's nodes in their new order.
    template <class Compare>
    std::vector<node_type*> sort_siblings(node_type* first, node_type* last, Compare& comp) {
        std::vector<node_type*> nodes;
        for (node_type* n = first; n != nullptr && n != last && n != head; n = n->next_sibling)
            nodes.push_back(n);
        if (nodes.size() < 2) return nodes;
        node_type* parent = first->parent;
        node_type* before = first->prev_sibling;
        node_type* after = nodes.back()->next_sibling;
        std::stable_sort(
            nodes.begin(), nodes.end(),
            [&comp](const node_type* a, const node_type* b) { return comp(a->data, b->data); });
        node_type* prev = before;
        for (node_type* n : nodes) {
            n->prev_sibling = prev;
            if (prev != nullptr)
                prev->next_sibling = n;
            else
                parent->first_child = n;
            prev = n;
        }
        prev->next_sibling = after;
        if (after != nullptr)
            after->prev_sibling = prev;
        else
            parent->last_child = prev;
        return nodes;
    }

    allocator_type alloc_;
    node_type* head = nullptr;  ///< The sentinel; exists from construction to destruction.
};

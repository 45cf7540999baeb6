// CVdXmlTree: building the record tree from notifications, addressing, omitting and replaying.
#include "vdxml/record_tree.h"

#include <memory>

#include "reading/element_kinds.h"

using vdxml_reading::ElementKind;
using vdxml_reading::FindKind;

namespace {

// Empties the replay table when a scan ends, also when a callback throws.
class ReplayScope {
  public:
    explicit ReplayScope(VdXml::_CURRENCYTABLE& table) : m_table(table) {}
    ~ReplayScope() { m_table = VdXml::_CURRENCYTABLE(); }
    ReplayScope(const ReplayScope&) = delete;
    ReplayScope& operator=(const ReplayScope&) = delete;

  private:
    VdXml::_CURRENCYTABLE& m_table;
};

}  // namespace

CVdXmlTree::~CVdXmlTree() {
    for (auto it = m_tree.begin(); it != m_tree.end(); ++it) delete *it;
}

long CVdXmlTree::Load(const char* fileName) { return Load(fileName, VDXML_READ_AS_PARSE); }

long CVdXmlTree::Load(const char* fileName, unsigned long options) {
    // A file streams in constant memory; one whose entries come out of order is read whole.
    long hr = LoadWith(true, options, fileName);
    if (hr == VDXML_E_OUT_OF_ORDER) hr = LoadWith(false, VDXML_READ_AS_PARSE, fileName);
    return hr;
}

long CVdXmlTree::LoadWith(bool stream, unsigned long options, const char* fileName) {
    CVdXmlParser parser;
    parser.SetCallbackInterface(this);
    // A file's records go in front of those loaded before; they stay only when it was read
    // to its end, so a failed load leaves the tree as it was.
    const Tree::sibling_iterator previousFirst = m_tree.begin();
    // Between loads no node is current, even after a parse that stopped half-way.
    m_itCurrent = Tree::pre_order_iterator();
    m_openedFrom.clear();
    m_copyAtClose = (options & VDXML_READ_COMPLETE) != 0;
    const long hr = stream ? parser.ParseStream(fileName, options) : parser.Parse(fileName);
    m_copyAtClose = false;
    m_itCurrent = Tree::pre_order_iterator();
    m_openedFrom.clear();
    if (FAILED(hr)) {
        while (Tree::sibling_iterator(m_tree.begin()) != previousFirst) {
            const Tree::pre_order_iterator top = m_tree.begin();
            Tree::pre_order_iterator stop = top;
            stop.skip_children();
            ++stop;
            for (auto it = top; it != stop; ++it) delete *it;
            m_tree.erase(top);
        }
        m_indexed = false;
    }
    return hr;
}

void CVdXmlTree::IndexNodes() {
    m_indexed = true;
    m_index.clear();
    m_index.reserve(m_tree.size());
    for (auto it = m_tree.begin(); it != m_tree.end(); ++it) m_index.push_back(it.node);
}

int CVdXmlTree::Open(VdXml::_CURRENCYTABLE* table, std::int32_t type) {
    m_indexed = false;
    m_openedFrom.push_back(m_itCurrent);
    const ElementKind* kind = FindKind(type);
    const VDXML_BASE* source = table && kind ? kind->get(*table) : nullptr;
    // A record whose code names another kind would be taken for that kind when replayed.
    const ElementKind* claimed = source ? FindKind(source->nType) : nullptr;
    const bool isRoot = type == VDXML_TYPE_ROOT;
    if (!source || (claimed && claimed != kind) || (!isRoot && !m_tree.is_valid(m_itCurrent))) {
        // Nowhere to put it: the elements inside it are dropped as well.
        m_itCurrent = Tree::pre_order_iterator();
        return 0;
    }
    std::unique_ptr<VDXML_BASE> copy(kind->copy(*source));
    m_itCurrent =
        isRoot ? m_tree.SetHead(copy.get()) : m_tree.append_child(m_itCurrent, copy.get());
    copy.release();  // the tree holds it now
    return 0;
}

int CVdXmlTree::Close(VdXml::_CURRENCYTABLE* table, std::int32_t type) {
    // Values read after a nested element reach the record by its close notification.
    const ElementKind* kind = m_copyAtClose && table ? FindKind(type) : nullptr;
    const VDXML_BASE* source = kind ? kind->get(*table) : nullptr;
    if (source && m_tree.is_valid(m_itCurrent) && *m_itCurrent && (*m_itCurrent)->nType == type)
        kind->assign(**m_itCurrent, *source);
    if (m_openedFrom.empty()) {
        m_itCurrent = Tree::pre_order_iterator();
        return 0;
    }
    m_itCurrent = m_openedFrom.back();
    m_openedFrom.pop_back();
    return 0;
}

long CVdXmlTree::Scan(IVdXmlNotifications* callback, int file) {
    if (!callback || file < 0) return S_OK;
    // The top-level nodes run from begin() to the head, which is end().
    Tree::sibling_iterator top = m_tree.begin();
    for (int i = 0; i < file && top != m_tree.end(); ++i) ++top;
    if (top == m_tree.end()) return S_OK;
    ReplayScope scope(m_table);
    WalkTree(Tree::pre_order_iterator(top), callback);
    return S_OK;
}

long CVdXmlTree::WalkTree(Tree::pre_order_iterator it, IVdXmlNotifications* callback) {
    if (!m_tree.is_valid(it) || !*it || !callback) return E_FAIL;
    VDXML_BASE* record = *it;
    if (record->bOmit) return S_OK;
    const ElementKind* kind = FindKind(record->nType);
    if (!kind) return E_FAIL;
    // An element nested in one of its own kind hides the outer record only while it is open.
    VDXML_BASE* outer = kind->get(m_table);
    kind->set(m_table, record);
    (callback->*kind->open)(&m_table);
    long hr = S_OK;
    for (auto child = m_tree.begin(it); child != m_tree.end(it); ++child)
        hr = WalkTree(Tree::pre_order_iterator(child), callback);
    (callback->*kind->close)(&m_table);
    kind->set(m_table, outer);
    return hr;
}

CVdXmlTree::Tree::pre_order_iterator CVdXmlTree::_GetNode(int index) {
    if (!m_indexed) IndexNodes();
    if (index < 0 || static_cast<std::size_t>(index) >= m_index.size()) return m_tree.end();
    return Tree::pre_order_iterator(m_index[static_cast<std::size_t>(index)]);
}

VDXML_BASE* CVdXmlTree::GetNode(int index) {
    const auto it = _GetNode(index);
    return m_tree.is_valid(it) ? *it : nullptr;
}

long CVdXmlTree::_OmitNode(Tree::pre_order_iterator it, bool omit, bool recursive) {
    if (!m_tree.is_valid(it) || !*it) return E_FAIL;
    (*it)->bOmit = omit;
    if (!recursive) return S_OK;
    // Every node of the subtree, in pre-order, up to the first node after it.
    auto stop = it;
    stop.skip_children();
    ++stop;
    for (auto below = ++Tree::pre_order_iterator(it); below != stop; ++below)
        if (*below) (*below)->bOmit = omit;
    return S_OK;
}

long CVdXmlTree::OmitNode(int index, bool omit, bool recursive) {
    return _OmitNode(_GetNode(index), omit, recursive);
}

int CVdXmlTree::GetFileCount() const {
    int count = 0;
    for (Tree::const_sibling_iterator top = m_tree.begin(); top != m_tree.end(); ++top) ++count;
    return count;
}

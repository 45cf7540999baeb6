// The common ground of element classes with a child-node table.
#include "vdxml/element_node.h"

long CVdXmlElementNode::Initialize(const _vdxml_ptr<CVdXmlRoot>& root) {
    m_nodes.Clear();
    return CVdXmlNode::Initialize(root);
}

long CVdXmlElementNode::CreateElement(const CVdXmlNode& parent, const _bstr_t& tag) {
    // Children of an earlier Create on this wrapper are released here; their XML stays.
    const long hr = Initialize(parent.GetRoot());
    if (FAILED(hr)) return hr;
    return Create(parent, tag, nullptr);
}

long CVdXmlElementNode::CreateNamedElement(const CVdXmlNode& parent, const _bstr_t& tag,
                                           const VDXML_ITEMNAME& item) {
    if (item.Name.empty()) return E_FAIL;
    const long hr = CreateElement(parent, tag);
    return FAILED(hr) ? hr : CVdXmlNode::InsertItemName(item);
}

long CVdXmlElementNode::CreateTableElement(const CVdXmlNode& parent, int id, const _bstr_t& tag,
                                           CVdXmlNode*& out) {
    out = CreateTableNode(id);
    if (!out) return E_FAIL;
    return out->Create(parent, tag, nullptr);
}

long CVdXmlElementNode::InsertItemName(const CVdXmlNode& parent, int id, const _bstr_t& tag,
                                       const VDXML_ITEMNAME& item, CVdXmlNode*& out) {
    out = nullptr;
    if (GetTableNode(id) || item.Name.empty()) return E_FAIL;
    const long hr = CreateTableElement(parent, id, tag, out);
    if (FAILED(hr)) return hr;
    return out->InsertItemName(item);
}

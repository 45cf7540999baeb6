#include "vdxml/node.h"

long CVdXmlNodeBase::Initialize(const _vdxml_ptr<CVdXmlRoot>& root) {
    if (!root) return E_FAIL;
    if (root == m_root) return S_OK;
    m_root = root;
    return S_OK;
}

const _bstr_t& CVdXmlNodeBase::GetNamespaceURI() const {
    static const _bstr_t kNone;
    return m_root ? m_root->NamespaceURI : kNone;
}

_vdxml_ptr<IVdXmlDoc> CVdXmlNodeBase::GetXmlDocument() const {
    return m_root ? m_root->GetXmlDocument() : _vdxml_ptr<IVdXmlDoc>();
}

#include "engine/dom_tree.h"

#include <libxml/dict.h>

#include "engine/com_object.h"
#include "engine/libxml_setup.h"
#include "engine/namespaces.h"
#include "engine/xml_text.h"

namespace vdxml_engine {

DomTree::DomTree() {
    EnsureLibxml();
    m_doc = xmlNewDoc(BAD_CAST "1.0");
    if (!m_doc) ThrowError(E_OUTOFMEMORY, L"out of memory while creating a document");
    m_doc->dict = xmlDictCreate();
    if (!m_doc->dict) {
        xmlFreeDoc(m_doc);
        ThrowError(E_OUTOFMEMORY, L"out of memory while creating a document");
    }
}

DomTree::DomTree(xmlDocPtr parsed) : m_doc(parsed), m_declared(true) {}

DomTree::~DomTree() {
    xmlFreeDoc(m_doc);
    // Pending namespaces are referenced only by elements never appended, which are gone now.
    for (xmlNsPtr ns : m_pending) xmlFreeNs(ns);
}

xmlNsPtr DomTree::PendingNamespace(std::wstring_view prefix, std::wstring_view uri) {
    if (m_lastPending && prefix == m_lastPrefix && uri == m_lastUri) return m_lastPending;
    ToUtf8(m_prefixUtf8, prefix);
    ToUtf8(m_uriUtf8, uri);
    const xmlChar* prefix8 = prefix.empty() ? nullptr : AsXml(m_prefixUtf8);
    xmlNsPtr found = nullptr;
    for (xmlNsPtr ns : m_pending) {
        if (xmlStrEqual(ns->href, AsXml(m_uriUtf8)) && xmlStrEqual(ns->prefix, prefix8)) {
            found = ns;
            break;
        }
    }
    if (!found) {
        m_pending.reserve(m_pending.size() + 1);
        found = xmlNewNs(nullptr, AsXml(m_uriUtf8), prefix8);
        if (!found) ThrowError(E_OUTOFMEMORY, L"out of memory while creating a namespace");
        MarkPending(found);
        m_pending.push_back(found);
    }
    m_lastPending = found;
    m_lastPrefix = prefix;
    m_lastUri = uri;
    return found;
}

_bstr_t DomTree::Name(const xmlChar* name) {
    if (!name) return _bstr_t();
    // Only dictionary strings live as long as the tree, so only they may serve as keys.
    if (!m_doc->dict || xmlDictOwns(m_doc->dict, name) != 1) return FromXml(name);
    auto [it, inserted] = m_names.try_emplace(name);
    if (inserted) it->second = FromXml(name);
    return it->second;
}

}  // namespace vdxml_engine

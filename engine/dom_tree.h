// One libxml2 document tree of a DOM document, with what the DOM keeps beside it: the pending
// namespaces of elements not yet appended, whether a declaration was given, and the wide
// forms of element names already asked for.
#pragma once

#include <libxml/tree.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "vdxml/platform/bstr.h"

namespace vdxml_engine {

class DomTree {
  public:
    /// An empty document; names of its nodes are interned in a dictionary of its own.
    DomTree();
    /// Takes over a parsed document; a parsed document counts as declared.
    explicit DomTree(xmlDocPtr parsed);
    ~DomTree();
    DomTree(const DomTree&) = delete;
    DomTree& operator=(const DomTree&) = delete;

    xmlDocPtr Doc() const { return m_doc; }
    xmlNodePtr DocNode() const { return reinterpret_cast<xmlNodePtr>(m_doc); }

    /// The pending namespace (see namespaces.h) for prefix and URI, one per pair. The last
    /// pair asked for is remembered, so a run of elements in one namespace costs a compare.
    xmlNsPtr PendingNamespace(std::wstring_view prefix, std::wstring_view uri);

    bool Declared() const { return m_declared; }
    void MarkDeclared() { m_declared = true; }

    /// The wide form of an interned (dictionary) name, converted once per tree.
    _bstr_t Name(const xmlChar* name);

  private:
    xmlDocPtr m_doc;
    bool m_declared = false;
    std::vector<xmlNsPtr> m_pending;
    xmlNsPtr m_lastPending = nullptr;
    std::wstring m_lastPrefix;
    std::wstring m_lastUri;
    std::string m_prefixUtf8;
    std::string m_uriUtf8;
    std::unordered_map<const xmlChar*, _bstr_t> m_names;
};

}  // namespace vdxml_engine

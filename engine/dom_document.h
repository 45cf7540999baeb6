// The DOM document object ("MsXml2.DomDocument"): owns the libxml2 tree, creates nodes,
// saves and loads.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/dom_node.h"
#include "engine/dom_tree.h"

namespace vdxml_engine {

class DomDocument final : public NodeMethods<IXMLDOMDocument2> {
  public:
    DomDocument();

    long QueryInterface(REFIID riid, void** object) override;
    unsigned long AddRef() override { return ++m_refs; }
    unsigned long Release() override;

    IXMLDOMNodePtr createNode(const _variant_t& type, const _bstr_t& name,
                              const _bstr_t& namespaceURI) override;
    IXMLDOMTextPtr createTextNode(const _bstr_t& data) override;
    IXMLDOMProcessingInstructionPtr createProcessingInstruction(const _bstr_t& target,
                                                                const _bstr_t& data) override;
    void setProperty(const _bstr_t& name, const _variant_t& value) override;
    _variant_t getProperty(const _bstr_t& name) override;
    void save(const _variant_t& destination) override;
    bool load(const _variant_t& source) override;
    bool loadXML(const _bstr_t& text) override;
    IXMLDOMElementPtr GetdocumentElement() override;
    XmlParseError GetparseError() override { return m_parseError; }

    // Used by the node objects.

    /// The node object of node (null for null), created on first use.
    IXMLDOMNodePtr Wrap(xmlNodePtr node);
    /// Appends child below parent (see dom_append.cpp); returns child.
    IXMLDOMNodePtr AppendChild(xmlNodePtr parent, IXMLDOMNode* child);
    void NodeObjectCreated() { ++m_nodeObjects; }
    /// Called by a node object that is going away, after it let go of node.
    void NodeObjectDestroyed(xmlNodePtr node);
    DomTree& Tree() { return *m_tree; }
    /// Reusable conversion buffers, so that building a large tree does not allocate per call.
    std::string& NameBuffer() { return m_nameBuffer; }
    std::string& ValueBuffer() { return m_valueBuffer; }

  private:
    ~DomDocument() override;
    /// Replaces the tree; the old one is kept while node objects may still point into it.
    void ReplaceTree(std::unique_ptr<DomTree> tree);
    bool FinishLoad(xmlDocPtr parsed);
    void ApplyDeclaration(xmlNodePtr instruction);
    /// Gives a new libxml2 node, not yet in a tree, its node object; the node is freed when
    /// that fails.
    template <class Object, class Ptr>
    Ptr NewDetachedNode(xmlNodePtr node);
    void CheckDocumentChild(xmlNodePtr child);

    unsigned long m_refs = 1;
    std::unique_ptr<DomTree> m_tree;
    std::vector<std::unique_ptr<DomTree>> m_retiredTrees;
    std::size_t m_nodeObjects = 0;
    /// Nodes made by createNode and the like that head a subtree of their own: not yet
    /// appended, or below nothing since.
    std::size_t m_detachedTops = 0;
    _bstr_t m_selectionNamespaces;
    _bstr_t m_selectionLanguage;
    XmlParseError m_parseError;
    std::string m_nameBuffer;
    std::string m_valueBuffer;
};

/// A new document with one reference, as the object factory hands it out.
IUnknown* CreateDomDocument();

}  // namespace vdxml_engine

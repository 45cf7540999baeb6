// The DOM's node objects over libxml2 nodes.
//
// A libxml2 node has at most one node object at a time (found through the node's _private
// field), so asking twice for the same node gives the same object. Every node object holds a
// reference to its document, which owns the libxml2 tree; a node that is not (or no longer)
// in the tree is freed when the last object referring to it or to a node below it goes.
// Node objects and their document belong to one thread at a time.
#pragma once

#include <libxml/tree.h>

#include "engine/com_object.h"
#include "engine/node_object_pool.h"
#include "vdxml/engine/dom.h"

namespace vdxml_engine {

class DomDocument;

/// The engine's own interface on its node objects: the libxml2 node behind them.
struct IEngineNode : IUnknown {
    static constexpr IID iid = {
        0x5C0E6A3B, 0x21D4, 0x4F7E, {0x9A, 0x61, 0x3D, 0x0B, 0x8E, 0x47, 0xC2, 0x19}};
    virtual xmlNodePtr EngineNode() = 0;
};

/// IXMLDOMNode over one libxml2 node; Iface is the most derived interface of the object.
template <class Iface>
class NodeMethods : public Iface, public IEngineNode {
  public:
    using Interface = Iface;

    DOMNodeType GetnodeType() override;
    _bstr_t GetnodeName() override;
    _bstr_t Gettext() override;
    _variant_t GetnodeTypedValue() override;
    IXMLDOMNodePtr GetfirstChild() override;
    IXMLDOMNodePtr GetnextSibling() override;
    IXMLDOMNodePtr GetparentNode() override;
    bool hasChildNodes() override;
    IXMLDOMNodePtr appendChild(IXMLDOMNode* newChild) override;

    xmlNodePtr EngineNode() override { return m_node; }

  protected:
    NodeMethods(DomDocument* owner, xmlNodePtr node) : m_owner(owner), m_node(node) {}
    ~NodeMethods() override = default;

    DomDocument* m_owner;
    xmlNodePtr m_node;
};

extern template class NodeMethods<IXMLDOMNode>;
extern template class NodeMethods<IXMLDOMElement>;
extern template class NodeMethods<IXMLDOMText>;
extern template class NodeMethods<IXMLDOMProcessingInstruction>;
extern template class NodeMethods<IXMLDOMDocument2>;

/// Element nodes: attributes and namespace declarations.
class ElementMethods : public NodeMethods<IXMLDOMElement> {
  public:
    void setAttribute(const _bstr_t& name, const _variant_t& value) override;
    _variant_t getAttribute(const _bstr_t& name) override;

  protected:
    using NodeMethods<IXMLDOMElement>::NodeMethods;
};

/// A node object below the document: counts its references, keeps the document alive.
template <class Methods>
class NodeObject final : public Methods {
  public:
    NodeObject(DomDocument* owner, xmlNodePtr node);

    long QueryInterface(REFIID riid, void** object) override {
        return QueryInterfaceOf<typename Methods::Interface, IXMLDOMNode, IEngineNode>(this, riid,
                                                                                       object);
    }
    unsigned long AddRef() override { return ++m_refs; }
    unsigned long Release() override {
        const unsigned long left = --m_refs;
        if (left == 0) delete this;
        return left;
    }

    static void* operator new(std::size_t size) { return NodeObjectPool::Take(size); }
    static void operator delete(void* memory, std::size_t size) noexcept {
        NodeObjectPool::Give(memory, size);
    }

  private:
    ~NodeObject() override;
    unsigned long m_refs = 1;
};

using ElementNode = NodeObject<ElementMethods>;
using TextNode = NodeObject<NodeMethods<IXMLDOMText>>;
using PiNode = NodeObject<NodeMethods<IXMLDOMProcessingInstruction>>;
using OtherNode = NodeObject<NodeMethods<IXMLDOMNode>>;

extern template class NodeObject<ElementMethods>;
extern template class NodeObject<NodeMethods<IXMLDOMText>>;
extern template class NodeObject<NodeMethods<IXMLDOMProcessingInstruction>>;
extern template class NodeObject<NodeMethods<IXMLDOMNode>>;

/// The DOM node type of a libxml2 node.
DOMNodeType NodeTypeOf(const xmlNode* node);

/// Whether the DOM shows children of this node: elements and documents only (entity
/// references, DTDs and declarations are leaves here).
bool ShowsChildren(const xmlNode* node);

}  // namespace vdxml_engine

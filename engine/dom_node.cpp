#include "engine/dom_node.h"

#include "engine/dom_document.h"
#include "engine/dom_text.h"
#include "engine/xml_text.h"

namespace vdxml_engine {

DOMNodeType NodeTypeOf(const xmlNode* node) {
    switch (node->type) {
        case XML_ELEMENT_NODE:
            return NODE_ELEMENT;
        case XML_ATTRIBUTE_NODE:
            return NODE_ATTRIBUTE;
        case XML_TEXT_NODE:
            return NODE_TEXT;
        case XML_CDATA_SECTION_NODE:
            return NODE_CDATA_SECTION;
        case XML_ENTITY_REF_NODE:
            return NODE_ENTITY_REFERENCE;
        case XML_ENTITY_NODE:
        case XML_ENTITY_DECL:
            return NODE_ENTITY;
        case XML_PI_NODE:
            return NODE_PROCESSING_INSTRUCTION;
        case XML_COMMENT_NODE:
            return NODE_COMMENT;
        case XML_DOCUMENT_NODE:
            return NODE_DOCUMENT;
        case XML_DOCUMENT_TYPE_NODE:
        case XML_DTD_NODE:
            return NODE_DOCUMENT_TYPE;
        case XML_DOCUMENT_FRAG_NODE:
            return NODE_DOCUMENT_FRAGMENT;
        case XML_NOTATION_NODE:
            return NODE_NOTATION;
        default:
            return NODE_INVALID;
    }
}

bool ShowsChildren(const xmlNode* node) {
    return node->type == XML_ELEMENT_NODE || node->type == XML_DOCUMENT_NODE;
}

template <class Iface>
DOMNodeType NodeMethods<Iface>::GetnodeType() {
    return NodeTypeOf(m_node);
}

template <class Iface>
_bstr_t NodeMethods<Iface>::GetnodeName() {
    switch (m_node->type) {
        case XML_ELEMENT_NODE:
        case XML_ATTRIBUTE_NODE: {
            if (!m_node->ns || !m_node->ns->prefix) return m_owner->Tree().Name(m_node->name);
            std::string& name = m_owner->NameBuffer();
            name.assign(AsChars(m_node->ns->prefix)).append(1, ':').append(AsChars(m_node->name));
            return FromUtf8(name);
        }
        case XML_TEXT_NODE:
            return _bstr_t(L"#text");
        case XML_CDATA_SECTION_NODE:
            return _bstr_t(L"#cdata-section");
        case XML_COMMENT_NODE:
            return _bstr_t(L"#comment");
        case XML_DOCUMENT_NODE:
            return _bstr_t(L"#document");
        case XML_DOCUMENT_FRAG_NODE:
            return _bstr_t(L"#document-fragment");
        default:
            return FromXml(m_node->name);
    }
}

template <class Iface>
_bstr_t NodeMethods<Iface>::Gettext() {
    return TextOf(m_node);
}

template <class Iface>
_variant_t NodeMethods<Iface>::GetnodeTypedValue() {
    return TypedValueOf(m_node);
}

template <class Iface>
IXMLDOMNodePtr NodeMethods<Iface>::GetfirstChild() {
    return ShowsChildren(m_node) ? m_owner->Wrap(m_node->children) : nullptr;
}

template <class Iface>
IXMLDOMNodePtr NodeMethods<Iface>::GetnextSibling() {
    return m_node->type == XML_DOCUMENT_NODE ? nullptr : m_owner->Wrap(m_node->next);
}

template <class Iface>
IXMLDOMNodePtr NodeMethods<Iface>::GetparentNode() {
    return m_node->type == XML_DOCUMENT_NODE ? nullptr : m_owner->Wrap(m_node->parent);
}

template <class Iface>
bool NodeMethods<Iface>::hasChildNodes() {
    return ShowsChildren(m_node) && m_node->children != nullptr;
}

template <class Iface>
IXMLDOMNodePtr NodeMethods<Iface>::appendChild(IXMLDOMNode* newChild) {
    return m_owner->AppendChild(m_node, newChild);
}

template class NodeMethods<IXMLDOMNode>;
template class NodeMethods<IXMLDOMElement>;
template class NodeMethods<IXMLDOMText>;
template class NodeMethods<IXMLDOMProcessingInstruction>;
template class NodeMethods<IXMLDOMDocument2>;

template <class Methods>
NodeObject<Methods>::NodeObject(DomDocument* owner, xmlNodePtr node) : Methods(owner, node) {
    owner->AddRef();
    owner->NodeObjectCreated();
    node->_private = static_cast<IXMLDOMNode*>(this);
}

template <class Methods>
NodeObject<Methods>::~NodeObject() {
    DomDocument* owner = this->m_owner;
    this->m_node->_private = nullptr;
    owner->NodeObjectDestroyed(this->m_node);
    owner->Release();
}

template class NodeObject<ElementMethods>;
template class NodeObject<NodeMethods<IXMLDOMText>>;
template class NodeObject<NodeMethods<IXMLDOMProcessingInstruction>>;
template class NodeObject<NodeMethods<IXMLDOMNode>>;

}  // namespace vdxml_engine

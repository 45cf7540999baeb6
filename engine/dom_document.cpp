#include "engine/dom_document.h"

#include <climits>
#include <new>

#include "engine/xml_declaration.h"
#include "engine/xml_text.h"

namespace vdxml_engine {
namespace {

constexpr const wchar_t* kSelectionNamespaces = L"SelectionNamespaces";
constexpr const wchar_t* kSelectionLanguage = L"SelectionLanguage";

// createNode's type: a node type number, or its name as the platform spells it.
long NodeTypeArgument(const _variant_t& type) {
    switch (type.vt()) {
        case VT_I4:
        case VT_I8:
            return type.AsLong();
        case VT_BSTR:
            return type.ToString() == L"element" ? NODE_ELEMENT : NODE_INVALID;
        default:
            return NODE_INVALID;
    }
}

bool SubtreeHasNodeObject(xmlNodePtr top) {
    if (top->_private) return true;
    xmlNodePtr node = ShowsChildren(top) ? top->children : nullptr;
    while (node) {
        if (node->_private) return true;
        if (ShowsChildren(node) && node->children) {
            node = node->children;
            continue;
        }
        while (!node->next) {
            node = node->parent;
            if (node == top) return false;
        }
        node = node->next;
    }
    return false;
}

}  // namespace

template <class Object, class Ptr>
Ptr DomDocument::NewDetachedNode(xmlNodePtr node) {
    if (!node) ThrowError(E_OUTOFMEMORY, L"out of memory while creating a node");
    try {
        Ptr object(new Object(this, node), false);
        ++m_detachedTops;
        return object;
    } catch (const std::bad_alloc&) {
        xmlFreeNode(node);
        ThrowError(E_OUTOFMEMORY, L"out of memory while creating a node");
    }
}

DomDocument::DomDocument()
    : NodeMethods<IXMLDOMDocument2>(this, nullptr), m_tree(std::make_unique<DomTree>()) {
    m_node = m_tree->DocNode();
}

DomDocument::~DomDocument() = default;

IUnknown* CreateDomDocument() { return static_cast<IXMLDOMDocument2*>(new DomDocument()); }

long DomDocument::QueryInterface(REFIID riid, void** object) {
    return QueryInterfaceOf<IXMLDOMDocument2, IXMLDOMNode, IEngineNode>(this, riid, object);
}

unsigned long DomDocument::Release() {
    const unsigned long left = --m_refs;
    if (left == 0) delete this;
    return left;
}

IXMLDOMNodePtr DomDocument::Wrap(xmlNodePtr node) {
    if (!node) return nullptr;
    if (node->type == XML_DOCUMENT_NODE)
        return node == m_tree->DocNode() ? IXMLDOMNodePtr(this) : nullptr;
    if (node->_private) return IXMLDOMNodePtr(static_cast<IXMLDOMNode*>(node->_private));
    IXMLDOMNode* object = nullptr;
    switch (node->type) {
        case XML_ELEMENT_NODE:
            object = new ElementNode(this, node);
            break;
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
            object = new TextNode(this, node);
            break;
        case XML_PI_NODE:
            object = new PiNode(this, node);
            break;
        default:
            object = new OtherNode(this, node);
            break;
    }
    return IXMLDOMNodePtr(object, false);
}

void DomDocument::NodeObjectDestroyed(xmlNodePtr node) {
    --m_nodeObjects;
    // Nodes in a tree belong to it; a detached subtree goes with its last node object. Without
    // detached subtrees, the common case while a document is built or read, every node is in
    // a tree and there is nothing to look for.
    if (m_detachedTops == 0) return;
    xmlNodePtr top = node;
    while (top->parent) top = top->parent;
    if (top->type == XML_DOCUMENT_NODE || SubtreeHasNodeObject(top)) return;
    xmlFreeNode(top);
    --m_detachedTops;
}

void DomDocument::ReplaceTree(std::unique_ptr<DomTree> tree) {
    if (m_nodeObjects > 0) m_retiredTrees.push_back(std::move(m_tree));
    m_tree = std::move(tree);
    m_node = m_tree->DocNode();
}

IXMLDOMNodePtr DomDocument::createNode(const _variant_t& type, const _bstr_t& name,
                                       const _bstr_t& namespaceURI) {
    const long kind = NodeTypeArgument(type);
    if (kind != NODE_ELEMENT) {
        ThrowError(kind > NODE_ELEMENT && kind <= NODE_NOTATION ? E_NOTIMPL : E_INVALIDARG,
                   L"createNode makes elements only");
    }
    std::string& qname = m_nameBuffer;
    ToUtf8(qname, name.view());
    if (!IsValidQName(qname)) ThrowError(E_INVALIDARG, L"not a valid element name");
    const std::size_t colon = qname.find(':');
    const std::wstring_view wideName = name.view();
    const std::wstring_view prefix =
        colon == std::string::npos ? std::wstring_view() : wideName.substr(0, wideName.find(L':'));
    if (!prefix.empty() && (namespaceURI.empty() || prefix == L"xml" || prefix == L"xmlns"))
        ThrowError(E_INVALIDARG, L"an element's prefix needs a namespace of its own");

    xmlNsPtr ns =
        namespaceURI.empty() ? nullptr : m_tree->PendingNamespace(prefix, namespaceURI.view());
    const xmlChar* local = AsXml(qname) + (colon == std::string::npos ? 0 : colon + 1);
    return NewDetachedNode<ElementNode, IXMLDOMNodePtr>(
        xmlNewDocNode(m_tree->Doc(), ns, local, nullptr));
}

IXMLDOMTextPtr DomDocument::createTextNode(const _bstr_t& data) {
    ToUtf8(m_valueBuffer, data.view());
    if (m_valueBuffer.size() > static_cast<std::size_t>(INT_MAX))
        ThrowError(E_INVALIDARG, L"the text is too long");
    return NewDetachedNode<TextNode, IXMLDOMTextPtr>(xmlNewDocTextLen(
        m_tree->Doc(), AsXml(m_valueBuffer), static_cast<int>(m_valueBuffer.size())));
}

IXMLDOMProcessingInstructionPtr DomDocument::createProcessingInstruction(const _bstr_t& target,
                                                                         const _bstr_t& data) {
    ToUtf8(m_nameBuffer, target.view());
    if (!IsValidName(m_nameBuffer))
        ThrowError(E_INVALIDARG, L"not a valid processing instruction target");
    const bool isDeclaration = m_nameBuffer == "xml";
    if (!isDeclaration && xmlStrcasecmp(AsXml(m_nameBuffer), BAD_CAST "xml") == 0)
        ThrowError(E_INVALIDARG, L"the target name is reserved");
    if (data.view().find(L"?>") != std::wstring_view::npos)
        ThrowError(E_INVALIDARG, L"processing instruction data must not contain '?>'");
    if (isDeclaration && !ParseXmlDeclaration(data.view()))
        ThrowError(E_INVALIDARG, L"not a valid XML declaration");
    ToUtf8(m_valueBuffer, data.view());
    return NewDetachedNode<PiNode, IXMLDOMProcessingInstructionPtr>(
        xmlNewDocPI(m_tree->Doc(), AsXml(m_nameBuffer), AsXml(m_valueBuffer)));
}

void DomDocument::setProperty(const _bstr_t& name, const _variant_t& value) {
    if (name == kSelectionNamespaces) {
        m_selectionNamespaces = value.ToString();
    } else if (name == kSelectionLanguage) {
        m_selectionLanguage = value.ToString();
    } else {
        ThrowError(E_INVALIDARG, L"unknown document property");
    }
}

_variant_t DomDocument::getProperty(const _bstr_t& name) {
    if (name == kSelectionNamespaces) return _variant_t(m_selectionNamespaces);
    if (name == kSelectionLanguage)
        return _variant_t(m_selectionLanguage.empty() ? _bstr_t(L"XPath") : m_selectionLanguage);
    ThrowError(E_INVALIDARG, L"unknown document property");
}

IXMLDOMElementPtr DomDocument::GetdocumentElement() {
    IXMLDOMNodePtr root = Wrap(xmlDocGetRootElement(m_tree->Doc()));
    return IXMLDOMElementPtr(root);
}

}  // namespace vdxml_engine

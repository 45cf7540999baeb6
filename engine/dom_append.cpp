// appendChild: moving a node to the end of another's children, and the XML declaration,
// which is appended to the document but becomes part of its header rather than a node.
#include "engine/dom_document.h"
#include "engine/dom_text.h"
#include "engine/namespaces.h"
#include "engine/xml_declaration.h"
#include "engine/xml_text.h"

namespace vdxml_engine {
namespace {

// Node kinds that may be moved below another node; DTDs and declarations stay where libxml2
// keeps them (and frees them from).
bool IsMovable(const xmlNode* node) {
    switch (node->type) {
        case XML_ELEMENT_NODE:
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
        case XML_COMMENT_NODE:
        case XML_PI_NODE:
        case XML_ENTITY_REF_NODE:
            return true;
        default:
            return false;
    }
}

bool IsDeclaration(const xmlNode* node) {
    return node->type == XML_PI_NODE && xmlStrEqual(node->name, BAD_CAST "xml");
}

// Links a detached node as the last child. libxml2's xmlAddChild would merge adjacent text
// nodes (freeing the appended one, which a node object still refers to), so link directly.
void LinkLast(xmlNodePtr parent, xmlNodePtr node) {
    node->parent = parent;
    node->next = nullptr;
    node->prev = parent->last;
    if (parent->last)
        parent->last->next = node;
    else
        parent->children = node;
    parent->last = node;
}

void ReplaceString(const xmlChar*& field, const std::string& value) {
    xmlChar* copy = value.empty() ? nullptr : xmlStrdup(AsXml(value));
    if (!value.empty() && !copy) ThrowError(E_OUTOFMEMORY, L"out of memory while declaring");
    if (field) xmlFree(const_cast<xmlChar*>(field));
    field = copy;
}

}  // namespace

IXMLDOMNodePtr DomDocument::AppendChild(xmlNodePtr parent, IXMLDOMNode* child) {
    if (!child) ThrowError(E_INVALIDARG, L"no node to append");
    _com_ptr_t<IEngineNode> engineNode;
    if (engineNode.QueryFrom(child) < 0)
        ThrowError(E_INVALIDARG, L"the node was not made by this engine");
    xmlNodePtr node = engineNode->EngineNode();
    if (node->doc != parent->doc) ThrowError(E_INVALIDARG, L"the node belongs to another document");
    if (!ShowsChildren(parent) || !IsMovable(node))
        ThrowError(E_FAIL, L"this node cannot have that child");
    if (IsDeclaration(node)) {
        if (parent->type != XML_DOCUMENT_NODE)
            ThrowError(E_FAIL, L"an XML declaration belongs to the document");
        ApplyDeclaration(node);
        return IXMLDOMNodePtr(child);
    }
    if (parent->type == XML_DOCUMENT_NODE) CheckDocumentChild(node);
    for (xmlNodePtr ancestor = parent; ancestor; ancestor = ancestor->parent)
        if (ancestor == node) ThrowError(E_FAIL, L"a node cannot be appended below itself");

    if (node->parent)
        xmlUnlinkNode(node);
    else
        --m_detachedTops;  // a subtree of its own joins another
    LinkLast(parent, node);
    BindNamespaces(node);
    return IXMLDOMNodePtr(child);
}

void DomDocument::CheckDocumentChild(xmlNodePtr child) {
    switch (child->type) {
        case XML_ELEMENT_NODE: {
            xmlNodePtr root = xmlDocGetRootElement(m_tree->Doc());
            if (root && root != child) ThrowError(E_FAIL, L"a document has only one root element");
            return;
        }
        case XML_PI_NODE:
        case XML_COMMENT_NODE:
            return;
        default:
            ThrowError(E_FAIL, L"this kind of node cannot stand at the document level");
    }
}

void DomDocument::ApplyDeclaration(xmlNodePtr instruction) {
    xmlDocPtr doc = m_tree->Doc();
    if (m_tree->Declared()) ThrowError(E_FAIL, L"the document already has a declaration");
    if (doc->children) ThrowError(E_FAIL, L"the declaration must come before every other node");
    const std::optional<XmlDeclaration> declaration =
        ParseXmlDeclaration(TextOf(instruction).view());
    if (!declaration) ThrowError(E_INVALIDARG, L"not a valid XML declaration");
    ReplaceString(doc->version, declaration->version);
    ReplaceString(doc->encoding, declaration->encoding);
    doc->standalone = declaration->standalone;
    m_tree->MarkDeclared();
}

}  // namespace vdxml_engine

#include "engine/namespaces.h"

#include "engine/com_object.h"

namespace vdxml_engine {
namespace {

char g_pendingMarker;

bool SameNamespace(const xmlNs* a, const xmlNs* b) {
    return a == b || (xmlStrEqual(a->prefix, b->prefix) && xmlStrEqual(a->href, b->href));
}

// An element in no namespace below a default-namespace declaration needs xmlns="".
void BindUnqualified(xmlNodePtr element) {
    xmlNsPtr inherited = FindDeclared(element, nullptr);
    if (inherited && inherited->href && inherited->href[0]) Declare(element, BAD_CAST "", nullptr);
}

void BindElement(xmlNodePtr element) {
    xmlNsPtr ns = element->ns;
    if (!ns) return BindUnqualified(element);
    // The common case, a child in its parent's namespace: share the parent's declaration.
    xmlNodePtr parent = element->parent;
    if (!element->nsDef && parent && parent->type == XML_ELEMENT_NODE && parent->ns &&
        !IsPending(parent->ns) && SameNamespace(parent->ns, ns)) {
        element->ns = parent->ns;
        return;
    }
    xmlNsPtr found = FindDeclared(element, ns->prefix);
    if (found == ns) return;
    element->ns = found && xmlStrEqual(found->href, ns->href)
                      ? found
                      : Declare(element, ns->href, ns->prefix);
}

void BindAttributes(xmlNodePtr element) {
    for (xmlAttrPtr attr = element->properties; attr; attr = attr->next) {
        xmlNsPtr ns = attr->ns;
        if (!ns) continue;
        xmlNsPtr found = FindDeclared(element, ns->prefix);
        if (found == ns) continue;
        attr->ns = found && xmlStrEqual(found->href, ns->href)
                       ? found
                       : Declare(element, ns->href, ns->prefix);
    }
}

void BindOne(xmlNodePtr element) {
    BindElement(element);
    if (element->properties) BindAttributes(element);
}

}  // namespace

void MarkPending(xmlNsPtr ns) { ns->_private = &g_pendingMarker; }

bool IsPending(const xmlNs* ns) { return ns->_private == &g_pendingMarker; }

xmlNsPtr FindDeclared(xmlNodePtr element, const xmlChar* prefix) {
    // The "xml" prefix is bound without a declaration; libxml2 keeps it on the document.
    if (prefix && xmlStrEqual(prefix, BAD_CAST "xml"))
        return xmlSearchNs(element->doc, element, prefix);
    for (xmlNodePtr node = element; node && node->type == XML_ELEMENT_NODE; node = node->parent) {
        for (xmlNsPtr ns = node->nsDef; ns; ns = ns->next)
            if (xmlStrEqual(ns->prefix, prefix)) return ns;
    }
    return nullptr;
}

xmlNsPtr Declare(xmlNodePtr element, const xmlChar* href, const xmlChar* prefix) {
    for (xmlNsPtr ns = element->nsDef; ns; ns = ns->next)
        if (xmlStrEqual(ns->prefix, prefix))
            ThrowError(E_FAIL, L"the element already declares this namespace prefix differently");
    xmlNsPtr ns = xmlNewNs(element, href, prefix);
    if (!ns) ThrowError(E_OUTOFMEMORY, L"out of memory while declaring a namespace");
    return ns;
}

void BindNamespaces(xmlNodePtr appended) {
    if (appended->type != XML_ELEMENT_NODE) return;
    BindOne(appended);
    // Descendants only when a whole subtree was appended (or moved).
    xmlNodePtr node = appended->children;
    while (node) {
        if (node->type == XML_ELEMENT_NODE) {
            BindOne(node);
            if (node->children) {
                node = node->children;
                continue;
            }
        }
        while (!node->next) {
            node = node->parent;
            if (node == appended) return;
        }
        node = node->next;
    }
}

}  // namespace vdxml_engine

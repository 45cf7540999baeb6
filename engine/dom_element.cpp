#include <libxml/tree.h>

#include "engine/dom_document.h"
#include "engine/dom_node.h"
#include "engine/dom_text.h"
#include "engine/namespaces.h"
#include "engine/xml_text.h"

namespace vdxml_engine {
namespace {

// A qualified name split in place: the buffer's colon is replaced by a terminator.
struct SplitName {
    const xmlChar* prefix = nullptr;  // null without a colon
    const xmlChar* local = nullptr;
};

SplitName Split(std::string& qname) {
    SplitName split;
    const std::size_t colon = qname.find(':');
    if (colon == std::string::npos) {
        split.local = AsXml(qname);
    } else {
        qname[colon] = '\0';
        split.prefix = AsXml(qname);
        split.local = split.prefix + colon + 1;
    }
    return split;
}

void ToValidName(std::string& out, const _bstr_t& name) {
    ToUtf8(out, name.view());
    if (!IsValidQName(out)) ThrowError(E_INVALIDARG, L"not a valid attribute name");
}

bool IsReservedPrefix(const xmlChar* prefix) {
    return xmlStrEqual(prefix, BAD_CAST "xml") || xmlStrEqual(prefix, BAD_CAST "xmlns");
}

// setAttribute("xmlns" or "xmlns:prefix", href): a namespace declaration on the element.
void DeclareByAttribute(xmlNodePtr element, const xmlChar* prefix, const std::string& href) {
    if (prefix && (href.empty() || IsReservedPrefix(prefix)))
        ThrowError(E_INVALIDARG, L"not a valid namespace declaration");
    xmlNsPtr own = element->ns;
    const bool clashesWithOwn =
        own ? xmlStrEqual(own->prefix, prefix) && !xmlStrEqual(own->href, AsXml(href))
            : !prefix && !href.empty();
    if (clashesWithOwn)
        ThrowError(E_FAIL, L"the declaration contradicts the element's own namespace");
    xmlNsPtr declared = nullptr;
    for (xmlNsPtr ns = element->nsDef; ns && !declared; ns = ns->next)
        if (xmlStrEqual(ns->prefix, prefix)) declared = ns;
    if (declared && !xmlStrEqual(declared->href, AsXml(href)))
        ThrowError(E_FAIL, L"the element already declares this prefix differently");
    if (!declared) declared = Declare(element, AsXml(href), prefix);
    if (own && IsPending(own) && xmlStrEqual(own->prefix, prefix)) element->ns = declared;
}

xmlNsPtr DataTypesDeclaration(xmlNodePtr element) {
    static const std::string uri = WideToUtf8(kDataTypesNamespace);
    return Declare(element, AsXml(uri), BAD_CAST "dt");
}

}  // namespace

void ElementMethods::setAttribute(const _bstr_t& name, const _variant_t& value) {
    const _bstr_t text = value.ToString();
    std::string& qname = m_owner->NameBuffer();
    std::string& value8 = m_owner->ValueBuffer();
    ToValidName(qname, name);
    ToUtf8(value8, text.view());
    const SplitName split = Split(qname);
    if (!split.prefix && xmlStrEqual(split.local, BAD_CAST "xmlns"))
        return DeclareByAttribute(m_node, nullptr, value8);
    if (split.prefix && xmlStrEqual(split.prefix, BAD_CAST "xmlns"))
        return DeclareByAttribute(m_node, split.local, value8);

    xmlNsPtr ns = nullptr;
    if (split.prefix) {
        ns = FindDeclared(m_node, split.prefix);
        // The data-type prefix is well known: an element outside its declaration's scope
        // declares it itself rather than failing.
        if (!ns && xmlStrEqual(split.prefix, BAD_CAST "dt")) ns = DataTypesDeclaration(m_node);
        if (!ns) ThrowError(E_INVALIDARG, L"the attribute's namespace prefix is not declared");
    }
    if (!xmlSetNsProp(m_node, ns, split.local, AsXml(value8)))
        ThrowError(E_OUTOFMEMORY, L"out of memory while setting an attribute");
}

_variant_t ElementMethods::getAttribute(const _bstr_t& name) {
    std::string& qname = m_owner->NameBuffer();
    ToUtf8(qname, name.view());
    const SplitName split = Split(qname);
    const bool isDefaultDeclaration = !split.prefix && xmlStrEqual(split.local, BAD_CAST "xmlns");
    if (isDefaultDeclaration || (split.prefix && xmlStrEqual(split.prefix, BAD_CAST "xmlns"))) {
        const xmlChar* declaredPrefix = isDefaultDeclaration ? nullptr : split.local;
        for (xmlNsPtr ns = m_node->nsDef; ns; ns = ns->next)
            if (xmlStrEqual(ns->prefix, declaredPrefix)) return _variant_t(FromXml(ns->href));
        return _variant_t();
    }
    for (xmlAttrPtr attr = m_node->properties; attr; attr = attr->next) {
        if (!xmlStrEqual(attr->name, split.local)) continue;
        const xmlChar* prefix = attr->ns ? attr->ns->prefix : nullptr;
        if (!xmlStrEqual(prefix, split.prefix)) continue;
        std::string value;
        AppendAttributeValue(attr, value);
        return _variant_t(FromUtf8(value));
    }
    return _variant_t();
}

}  // namespace vdxml_engine

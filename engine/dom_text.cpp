#include "engine/dom_text.h"

#include "engine/ole_date.h"
#include "engine/xml_text.h"
#include "vdxml/engine/dom.h"

namespace vdxml_engine {
namespace {

bool IsTextKind(const xmlNode* node) {
    return node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE;
}

// The content of a node whose text is a single stored string, without copying; null when the
// text has to be assembled from several descendants.
const xmlChar* SingleText(xmlNodePtr node) {
    static const xmlChar kEmpty[] = "";
    switch (node->type) {
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
        case XML_COMMENT_NODE:
        case XML_PI_NODE:
            return node->content ? node->content : kEmpty;
        case XML_ELEMENT_NODE: {
            xmlNodePtr child = node->children;
            if (!child) return kEmpty;
            if (!child->next && IsTextKind(child)) return child->content ? child->content : kEmpty;
            return nullptr;
        }
        default:
            return nullptr;
    }
}

bool HasChildrenForText(const xmlNode* node) {
    return node->type == XML_ELEMENT_NODE || node->type == XML_DOCUMENT_NODE;
}

const std::string& DataTypesNamespace() {
    static const std::string uri = WideToUtf8(kDataTypesNamespace);
    return uri;
}

bool IsDateTimeElement(xmlNodePtr element) {
    for (xmlAttrPtr attr = element->properties; attr; attr = attr->next) {
        if (!attr->ns || !xmlStrEqual(attr->name, BAD_CAST "dt") ||
            !xmlStrEqual(attr->ns->href, AsXml(DataTypesNamespace())))
            continue;
        std::string type;
        AppendAttributeValue(attr, type);
        return xmlStrcasecmp(AsXml(type), BAD_CAST "datetime") == 0;
    }
    return false;
}

}  // namespace

void AppendText(xmlNodePtr node, std::string& out) {
    if (!HasChildrenForText(node)) {
        if (const xmlChar* text = SingleText(node)) out += AsChars(text);
        return;
    }
    xmlNodePtr current = node->children;
    while (current) {
        if (IsTextKind(current)) {
            if (current->content) out += AsChars(current->content);
        } else if (current->type == XML_ELEMENT_NODE && current->children) {
            current = current->children;
            continue;
        }
        while (!current->next) {
            current = current->parent;
            if (current == node) return;
        }
        current = current->next;
    }
}

_bstr_t TextOf(xmlNodePtr node) {
    if (const xmlChar* text = SingleText(node)) return FromXml(text);
    std::string text;
    AppendText(node, text);
    return FromUtf8(text);
}

void AppendAttributeValue(xmlAttrPtr attr, std::string& out) {
    for (xmlNodePtr child = attr->children; child; child = child->next)
        if (IsTextKind(child) && child->content) out += AsChars(child->content);
}

_variant_t TypedValueOf(xmlNodePtr node) {
    if (node->type == XML_ELEMENT_NODE && node->properties && IsDateTimeElement(node)) {
        std::string text;
        AppendText(node, text);
        return TypedValueOfText(text, true);
    }
    return _variant_t(TextOf(node));
}

_variant_t TypedValueOfText(std::string_view utf8, bool isDateTime) {
    double date = 0.0;
    if (isDateTime && ParseDateTime(utf8, date)) return _variant_t(date, VT_DATE);
    return _variant_t(FromUtf8(utf8));
}

}  // namespace vdxml_engine

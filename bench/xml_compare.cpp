#include "xml_compare.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

namespace vdxml_bench {
namespace {

using Doc = std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)>;

Doc Load(const std::string& path) {
    Doc doc(xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET), xmlFreeDoc);
    if (!doc) throw std::runtime_error("cannot parse " + path);
    return doc;
}

std::string Text(const xmlChar* text) { return text ? reinterpret_cast<const char*>(text) : ""; }

// Attributes and namespace declarations as sorted "namespace|name=value" lines: their order in
// a start tag carries no meaning.
std::vector<std::string> Properties(const xmlNode* element) {
    std::vector<std::string> lines;
    for (const xmlAttr* a = element->properties; a; a = a->next) {
        xmlChar* value = xmlNodeListGetString(element->doc, a->children, 1);
        lines.push_back("@" + (a->ns ? Text(a->ns->href) : "") + "|" + Text(a->name) + "=" +
                        Text(value));
        xmlFree(value);
    }
    for (const xmlNs* ns = element->nsDef; ns; ns = ns->next)
        lines.push_back("xmlns:" + Text(ns->prefix) + "=" + Text(ns->href));
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Elements and texts among the children; other nodes carry nothing of the survey.
std::vector<const xmlNode*> Children(const xmlNode* element) {
    std::vector<const xmlNode*> children;
    for (const xmlNode* c = element->children; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE || c->type == XML_TEXT_NODE) children.push_back(c);
    return children;
}

std::string Compare(const xmlNode* a, const xmlNode* b, const std::string& where) {
    if (a->type != b->type) return where + ": node kinds differ";
    if (a->type == XML_TEXT_NODE)
        return Text(a->content) == Text(b->content)
                   ? ""
                   : where + ": texts differ: '" + Text(a->content) + "' / '" + Text(b->content) +
                         "'";
    const std::string here = where + "/" + Text(a->name);
    if (Text(a->name) != Text(b->name)) return here + ": names differ: " + Text(b->name);
    if ((a->ns ? Text(a->ns->href) : "") != (b->ns ? Text(b->ns->href) : ""))
        return here + ": namespaces differ";
    if (Properties(a) != Properties(b)) return here + ": attributes differ";
    const auto ca = Children(a), cb = Children(b);
    if (ca.size() != cb.size()) return here + ": child counts differ";
    for (std::size_t i = 0; i < ca.size(); ++i) {
        std::string difference = Compare(ca[i], cb[i], here + "[" + std::to_string(i) + "]");
        if (!difference.empty()) return difference;
    }
    return "";
}

const xmlNode* Find(const xmlNode* node, const std::string& name) {
    for (; node; node = node->next) {
        if (node->type == XML_ELEMENT_NODE && Text(node->name) == name) return node;
        if (const xmlNode* inner = Find(node->children, name)) return inner;
    }
    return nullptr;
}

}  // namespace

std::string CompareXmlFiles(const std::string& a, const std::string& b) {
    const Doc da = Load(a), db = Load(b);
    return Compare(xmlDocGetRootElement(da.get()), xmlDocGetRootElement(db.get()), "");
}

std::string FirstElementText(const std::string& path, const std::string& name) {
    const Doc doc = Load(path);
    const xmlNode* element = Find(xmlDocGetRootElement(doc.get()), name);
    if (!element) return "";
    xmlChar* text = xmlNodeGetContent(element);
    std::string result = Text(text);
    xmlFree(text);
    return result;
}

}  // namespace vdxml_bench

#include "support/xml_tree.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <stdexcept>

namespace vdxml_test {
namespace {
std::string Str(const xmlChar* s) { return s ? reinterpret_cast<const char*>(s) : ""; }

XmlTree Convert(xmlNodePtr node) {
    XmlTree tree;
    tree.name = node->ns && node->ns->prefix ? Str(node->ns->prefix) + ":" + Str(node->name)
                                             : Str(node->name);
    tree.ns = node->ns ? Str(node->ns->href) : "";
    for (xmlAttrPtr a = node->properties; a; a = a->next) {
        const std::string name =
            a->ns && a->ns->prefix ? Str(a->ns->prefix) + ":" + Str(a->name) : Str(a->name);
        xmlChar* value = xmlNodeListGetString(node->doc, a->children, 1);
        tree.attrs[name] = Str(value);
        tree.attrNs[name] = a->ns ? Str(a->ns->href) : "";
        xmlFree(value);
    }
    for (xmlNodePtr c = node->children; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE)
            tree.children.push_back(Convert(c));
        else if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE)
            tree.text += Str(c->content);
        else if (c->type == XML_COMMENT_NODE)
            tree.hasComment = true;
    }
    return tree;
}
}  // namespace

const XmlTree* XmlTree::child(const std::string& wanted, std::size_t index) const {
    for (const XmlTree& c : children)
        if (c.name == wanted && index-- == 0) return &c;
    return nullptr;
}

std::string XmlTree::childText(const std::string& wanted) const {
    const XmlTree* c = child(wanted);
    return c ? c->text : "<missing>";
}

std::vector<std::string> XmlTree::childNames() const {
    std::vector<std::string> names;
    for (const XmlTree& c : children) names.push_back(c.name);
    return names;
}

std::size_t XmlTree::count(const std::string& wanted) const {
    std::size_t n = 0;
    for (const XmlTree& c : children) n += c.name == wanted;
    return n;
}

XmlTree LoadXmlTree(const std::string& path, bool dropBlanks) {
    xmlDocPtr doc = xmlReadFile(path.c_str(), nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                                    (dropBlanks ? XML_PARSE_NOBLANKS : 0));
    if (!doc) throw std::runtime_error("cannot parse " + path);
    xmlNodePtr root = xmlDocGetRootElement(doc);
    if (!root) {
        xmlFreeDoc(doc);
        throw std::runtime_error("no root element in " + path);
    }
    XmlTree tree = Convert(root);
    xmlFreeDoc(doc);
    return tree;
}

std::string DiffTrees(const XmlTree& a, const XmlTree& b, const std::string& where) {
    const std::string here = where + "/" + a.name;
    if (a.name != b.name) return here + ": name " + a.name + " vs " + b.name;
    if (a.ns != b.ns) return here + ": namespace " + a.ns + " vs " + b.ns;
    if (a.attrs != b.attrs) return here + ": attributes differ";
    if (a.attrNs != b.attrNs) return here + ": attribute namespaces differ";
    if (a.text != b.text) return here + ": text '" + a.text + "' vs '" + b.text + "'";
    if (a.children.size() != b.children.size())
        return here + ": " + std::to_string(a.children.size()) + " vs " +
               std::to_string(b.children.size()) + " children";
    for (std::size_t i = 0; i < a.children.size(); ++i) {
        std::string d = DiffTrees(a.children[i], b.children[i], here);
        if (!d.empty()) return d;
    }
    return "";
}

}  // namespace vdxml_test

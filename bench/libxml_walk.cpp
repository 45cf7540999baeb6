#include "libxml_walk.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlreader.h>

#include <stdexcept>

namespace vdxml_bench {
namespace {

// Depth-first over every node, without recursion: first child, else next sibling, else the
// next sibling of the nearest ancestor that has one.
void Walk(const xmlNode* top, WalkCounts& counts) {
    const xmlNode* node = top;
    while (node) {
        if (node->type == XML_ELEMENT_NODE) {
            ++counts.elements;
        } else if (node->type == XML_TEXT_NODE && node->content) {
            ++counts.texts;
            counts.textBytes += static_cast<std::size_t>(xmlStrlen(node->content));
        }
        if (node->type == XML_ELEMENT_NODE && node->children) {
            node = node->children;
            continue;
        }
        while (node && node != top && !node->next) node = node->parent;
        node = (node && node != top) ? node->next : nullptr;
    }
}

}  // namespace

WalkCounts ReadWithLibxml(const std::string& path) {
    xmlDocPtr doc = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
    if (!doc) throw std::runtime_error("libxml2: cannot parse " + path);
    WalkCounts counts;
    Walk(xmlDocGetRootElement(doc), counts);
    xmlFreeDoc(doc);
    return counts;
}

WalkCounts StreamWithLibxml(const std::string& path) {
    xmlTextReaderPtr reader = xmlReaderForFile(path.c_str(), nullptr, XML_PARSE_NONET);
    if (!reader) throw std::runtime_error("libxml2: cannot open " + path);
    WalkCounts counts;
    int status;
    while ((status = xmlTextReaderRead(reader)) == 1) {
        const int type = xmlTextReaderNodeType(reader);
        if (type == XML_READER_TYPE_ELEMENT) {
            ++counts.elements;
        } else if (type == XML_READER_TYPE_TEXT) {
            ++counts.texts;
            counts.textBytes +=
                static_cast<std::size_t>(xmlStrlen(xmlTextReaderConstValue(reader)));
        }
    }
    xmlFreeTextReader(reader);
    if (status != 0) throw std::runtime_error("libxml2: cannot stream " + path);
    return counts;
}

}  // namespace vdxml_bench

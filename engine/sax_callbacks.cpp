#include "engine/sax_callbacks.h"

#include <libxml/tree.h>

#include "engine/xml_text.h"

namespace vdxml_engine {

std::string SaxAttributeValue(xmlParserCtxtPtr context, const xmlChar* value, const xmlChar* end) {
    if (*end != 0) return std::string(AsChars(value), static_cast<std::size_t>(end - value));
    std::string text;
    xmlNodePtr list = xmlStringLenGetNodeList(context->myDoc, value, static_cast<int>(end - value));
    for (xmlNodePtr node = list; node; node = node->next)
        if ((node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) && node->content)
            text += AsChars(node->content);
    xmlFreeNodeList(list);
    return text;
}

}  // namespace vdxml_engine

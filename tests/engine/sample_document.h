// A document shaped like the library's output, and the two ways the library writes it:
// through the DOM calls of the DOM back end and through the SAX calls of the streaming one.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "vdxml/engine/dom.h"
#include "vdxml/engine/sax.h"

namespace engine_test {

inline constexpr const wchar_t* kNamespace = L"urn:vdxml-test:survey";

struct ElementModel {
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> attributes;
    std::wstring text;
    std::vector<ElementModel> children;
};

/// Root "Company" declaring the data-type prefix, texts and attribute values with markup
/// characters and non-ASCII letters, a date-time entry and an empty element.
ElementModel SampleDocument();

/// A new DOM document from the object factory (fails the test when there is none).
IXMLDOMDocument2Ptr NewDocument();

/// Appends model below parent (the document for the root) as the DOM back end does:
/// createNode in ns, appendChild, setAttribute in list order, then a text node.
IXMLDOMElementPtr BuildDom(const IXMLDOMDocument2Ptr& doc, IXMLDOMNode* parent,
                           const ElementModel& model, const wchar_t* ns = kNamespace);

/// Writes model as the streaming back end does: the attributes in list order, for the root
/// followed by "xmlns" = ns; characters; the children; endElement.
void WriteSax(const ISAXContentHandlerPtr& content, const IMXAttributesPtr& attributes,
              const ElementModel& model, bool isRoot, const wchar_t* ns = kNamespace);

}  // namespace engine_test

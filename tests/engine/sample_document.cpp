#include "engine/sample_document.h"

#include <gtest/gtest.h>

#include "vdxml/engine/factory.h"

namespace engine_test {

ElementModel SampleDocument() {
    ElementModel units{L"Units", {}, L"", {{L"Linear", {}, L"1", {}}, {L"Angular", {}, L"1", {}}}};
    ElementModel computed{L"Note", {{L"vsrc", L"a<b & \"c\" 'd'"}}, L"", {}};
    ElementModel point{L"Pnt", {}, L"", {{L"Name", {}, L"\u00C4\u20AC \u00FCn\u00EFcode", {}}}};
    ElementModel application{
        L"Application",
        {},
        L"",
        {{L"Name", {}, L"Quotes \"x\" and 'y' > z", {}}, units, computed, point}};
    return ElementModel{
        L"Company",
        {{L"xmlns:dt", kDataTypesNamespace}},
        L"",
        {{L"Name", {}, L"Survey & Co <Ltd>", {}},
         {L"FileCreated", {{L"dt:dt", L"datetime"}}, L"2006-04-28T12:05:07.2500", {}},
         application}};
}

IXMLDOMDocument2Ptr NewDocument() {
    IXMLDOMDocument2Ptr doc;
    EXPECT_EQ(S_OK, CreateEngineObject(doc, L"MsXml2.DomDocument.4.0"));
    return doc;
}

IXMLDOMElementPtr BuildDom(const IXMLDOMDocument2Ptr& doc, IXMLDOMNode* parent,
                           const ElementModel& model, const wchar_t* ns) {
    IXMLDOMNodePtr created =
        doc->createNode(_variant_t(static_cast<int>(NODE_ELEMENT)), model.name, ns);
    IXMLDOMElementPtr element(parent->appendChild(created));
    for (const auto& [name, value] : model.attributes)
        element->setAttribute(name, _variant_t(_bstr_t(value)));
    if (!model.text.empty()) element->appendChild(doc->createTextNode(model.text));
    for (const ElementModel& child : model.children) BuildDom(doc, element, child, ns);
    return element;
}

void WriteSax(const ISAXContentHandlerPtr& content, const IMXAttributesPtr& attributes,
              const ElementModel& model, bool isRoot, const wchar_t* ns) {
    attributes->clear();
    for (const auto& [name, value] : model.attributes)
        attributes->addAttribute(ns, name, name, L"", value);
    if (isRoot) attributes->addAttribute(ns, L"xmlns", L"xmlns", L"", ns);
    ISAXAttributesPtr list(attributes);
    content->startElement(ns, model.name, model.name, list);
    if (!model.text.empty()) content->characters(model.text);
    for (const ElementModel& child : model.children)
        WriteSax(content, attributes, child, false, ns);
    content->endElement(L"", model.name, model.name);
}

}  // namespace engine_test

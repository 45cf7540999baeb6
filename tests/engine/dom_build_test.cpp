// Building through the DOM: what is refused, attributes and namespace declarations,
// document properties.
#include <gtest/gtest.h>

#include "engine/com_expect.h"
#include "engine/sample_document.h"

namespace {

using engine_test::BuildDom;
using engine_test::ElementModel;
using engine_test::kNamespace;
using engine_test::NewDocument;

IXMLDOMNodePtr NewElement(const IXMLDOMDocument2Ptr& doc, const wchar_t* name,
                          const wchar_t* ns = kNamespace) {
    return doc->createNode(_variant_t(static_cast<int>(NODE_ELEMENT)), name, ns);
}

TEST(DomBuild, CreateNodeMakesElementsWithValidNamesOnly) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    EXPECT_EQ(_bstr_t(L"x:a"), NewElement(doc, L"x:a", L"urn:x")->GetnodeName());
    EXPECT_EQ(NODE_ELEMENT, doc->createNode(_variant_t(L"element"), L"a", L"")->GetnodeType());
    for (const wchar_t* bad : {L"", L"1abc", L"a b", L"x:", L":a", L"a<b"})
        EXPECT_COM_ERROR(E_INVALIDARG, NewElement(doc, bad));
    EXPECT_COM_ERROR(E_INVALIDARG, NewElement(doc, L"x:a", L""));  // prefix without namespace
    EXPECT_COM_ERROR(E_INVALIDARG, NewElement(doc, L"xmlns:a", L"urn:x"));
    EXPECT_COM_ERROR(E_NOTIMPL,
                     doc->createNode(_variant_t(static_cast<int>(NODE_TEXT)), L"a", L""));
    EXPECT_COM_ERROR(E_INVALIDARG, doc->createNode(_variant_t(99), L"a", L""));
    EXPECT_COM_ERROR(E_INVALIDARG, doc->createNode(_variant_t(1.0), L"a", L""));
}

TEST(DomBuild, AppendChildRefusesWhatCannotStandThere) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMNodePtr root = doc->appendChild(NewElement(doc, L"r"));
    IXMLDOMNodePtr child = root->appendChild(NewElement(doc, L"c"));
    IXMLDOMNodePtr text = child->appendChild(doc->createTextNode(L"t"));

    EXPECT_COM_ERROR(E_FAIL, doc->appendChild(NewElement(doc, L"second")));
    EXPECT_COM_ERROR(E_FAIL, doc->appendChild(doc->createTextNode(L"loose")));
    EXPECT_COM_ERROR(E_FAIL, text->appendChild(NewElement(doc, L"below-text")));
    EXPECT_COM_ERROR(E_FAIL, child->appendChild(root));  // an ancestor below its descendant
    EXPECT_COM_ERROR(E_FAIL, child->appendChild(child));
    EXPECT_COM_ERROR(E_FAIL, root->appendChild(doc));
    EXPECT_COM_ERROR(E_INVALIDARG, root->appendChild(nullptr));

    IXMLDOMDocument2Ptr other = NewDocument();
    EXPECT_COM_ERROR(E_INVALIDARG, root->appendChild(NewElement(other, L"foreign")));

    // Comments and instructions may stand beside the root; re-appending the root moves it.
    doc->appendChild(doc->createProcessingInstruction(L"app", L"data"));
    doc->appendChild(root);
    EXPECT_EQ(NODE_PROCESSING_INSTRUCTION, doc->GetfirstChild()->GetnodeType());
    EXPECT_EQ(_bstr_t(L"r"), doc->GetdocumentElement()->GetnodeName());
}

TEST(DomBuild, AttributesAreSetReadAndReplaced) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMElementPtr root = BuildDom(doc, doc, engine_test::SampleDocument());
    root->setAttribute(L"count", _variant_t(5));
    root->setAttribute(L"flag", _variant_t(true));
    EXPECT_EQ(_bstr_t(L"5"), root->getAttribute(L"count").ToString());
    EXPECT_EQ(_bstr_t(L"true"), root->getAttribute(L"flag").ToString());
    root->setAttribute(L"count", _variant_t(L"6"));
    EXPECT_EQ(_bstr_t(L"6"), root->getAttribute(L"count").ToString());
    EXPECT_TRUE(root->getAttribute(L"absent").IsEmpty());
    EXPECT_EQ(_bstr_t(kDataTypesNamespace), root->getAttribute(L"xmlns:dt").ToString());
    EXPECT_EQ(_bstr_t(kNamespace), root->getAttribute(L"xmlns").ToString());

    IXMLDOMElementPtr created(root->GetfirstChild()->GetnextSibling());
    EXPECT_EQ(_bstr_t(L"datetime"), created->getAttribute(L"dt:dt").ToString());
    EXPECT_TRUE(created->getAttribute(L"dt").IsEmpty());  // the qualified name is the key

    EXPECT_COM_ERROR(E_INVALIDARG, root->setAttribute(L"a b", _variant_t(L"x")));
    EXPECT_COM_ERROR(E_INVALIDARG, root->setAttribute(L"", _variant_t(L"x")));
    EXPECT_COM_ERROR(E_INVALIDARG,
                     root->setAttribute(L"x", _variant_t(static_cast<IUnknown*>(doc))));
}

TEST(DomBuild, NamespaceDeclarationsMustNotContradict) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMElementPtr root =
        BuildDom(doc, doc, ElementModel{L"r", {{L"xmlns:dt", kDataTypesNamespace}}, L"", {}});
    root->setAttribute(L"xmlns", _variant_t(kNamespace));  // the same again: accepted
    root->setAttribute(L"xmlns:dt", _variant_t(kDataTypesNamespace));
    EXPECT_COM_ERROR(E_FAIL, root->setAttribute(L"xmlns", _variant_t(L"urn:other")));
    EXPECT_COM_ERROR(E_FAIL, root->setAttribute(L"xmlns:dt", _variant_t(L"urn:other")));
    EXPECT_COM_ERROR(E_INVALIDARG, root->setAttribute(L"xmlns:p", _variant_t(L"")));
    EXPECT_COM_ERROR(E_INVALIDARG, root->setAttribute(L"xmlns:xml", _variant_t(L"urn:x")));
    EXPECT_COM_ERROR(E_INVALIDARG, root->setAttribute(L"undeclared:a", _variant_t(L"v")));

    IXMLDOMElementPtr plain(root->appendChild(NewElement(doc, L"plain", L"")));
    EXPECT_COM_ERROR(E_FAIL, plain->setAttribute(L"xmlns", _variant_t(L"urn:y")));
}

TEST(DomBuild, SelectionPropertiesAreKept) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    EXPECT_EQ(_bstr_t(L""), doc->getProperty(L"SelectionNamespaces").ToString());
    doc->setProperty(L"SelectionNamespaces", _variant_t(L"xmlns:x='urn:a'"));
    doc->setProperty(L"SelectionLanguage", _variant_t(L"XPath"));
    EXPECT_EQ(_bstr_t(L"xmlns:x='urn:a'"), doc->getProperty(L"SelectionNamespaces").ToString());
    EXPECT_EQ(_bstr_t(L"XPath"), doc->getProperty(L"SelectionLanguage").ToString());
    EXPECT_COM_ERROR(E_INVALIDARG, doc->setProperty(L"ProhibitDTD", _variant_t(true)));
    EXPECT_COM_ERROR(E_INVALIDARG, doc->getProperty(L"selectionnamespaces"));
}

}  // namespace

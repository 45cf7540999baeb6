// Lifetimes: node objects keep their document alive, nodes never appended are freed with
// their last reference, and nodes from before a load stay usable. Run under AddressSanitizer,
// a mistake here shows as a use after free or a leak.
#include <gtest/gtest.h>

#include "engine/com_expect.h"
#include "engine/sample_document.h"

namespace {

using engine_test::BuildDom;
using engine_test::ElementModel;
using engine_test::kNamespace;
using engine_test::NewDocument;

IXMLDOMNodePtr NewElement(const IXMLDOMDocument2Ptr& doc, const wchar_t* name) {
    return doc->createNode(_variant_t(static_cast<int>(NODE_ELEMENT)), name, kNamespace);
}

TEST(EngineLifetime, NodeKeepsItsDocumentAlive) {
    IXMLDOMElementPtr root;
    IXMLDOMNodePtr leaf;
    {
        IXMLDOMDocument2Ptr doc = NewDocument();
        root = BuildDom(doc, doc, engine_test::SampleDocument());
        leaf = root->GetfirstChild()->GetfirstChild();
    }
    EXPECT_EQ(_bstr_t(L"Survey & Co <Ltd>"), leaf->Gettext());
    IXMLDOMNodePtr document = root->GetparentNode();
    ASSERT_TRUE(document);
    EXPECT_EQ(NODE_DOCUMENT, document->GetnodeType());
    root->appendChild(IXMLDOMDocument2Ptr(document)->createTextNode(L"late"));
    root = nullptr;
    document = nullptr;
    EXPECT_EQ(_bstr_t(L"Name"), leaf->GetparentNode()->GetnodeName());
}

TEST(EngineLifetime, ReferenceCountsBalance) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMNodePtr element = NewElement(doc, L"e");
    IXMLDOMNode* raw = element;
    EXPECT_EQ(2u, raw->AddRef());
    EXPECT_EQ(1u, raw->Release());
    IXMLDOMElementPtr asElement(element);  // same object, one more reference
    EXPECT_EQ(raw, static_cast<IXMLDOMNode*>(asElement));
    EXPECT_FALSE(IXMLDOMTextPtr(element));
    EXPECT_FALSE(IXMLDOMDocument2Ptr(element));
}

TEST(EngineLifetime, DetachedNodesGoWithTheirLastReference) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMNodePtr root = doc->appendChild(NewElement(doc, L"r"));
    NewElement(doc, L"dropped");           // never held
    doc->createTextNode(L"dropped text");  // never held
    doc->createProcessingInstruction(L"xml", L" version='1.0'");
    IXMLDOMNodePtr top = NewElement(doc, L"top");
    IXMLDOMNodePtr middle = top->appendChild(NewElement(doc, L"middle"));
    IXMLDOMNodePtr bottom = middle->appendChild(NewElement(doc, L"bottom"));
    top = nullptr;
    middle = nullptr;  // bottom still reaches the detached subtree through its parents
    EXPECT_EQ(_bstr_t(L"top"), bottom->GetparentNode()->GetparentNode()->GetnodeName());
    bottom = nullptr;
    // A detached subtree appended later belongs to the tree again.
    IXMLDOMNodePtr later = NewElement(doc, L"later");
    later->appendChild(doc->createTextNode(L"x"));
    root->appendChild(later);
    later = nullptr;
    EXPECT_EQ(_bstr_t(L"x"), root->Gettext());
}

TEST(EngineLifetime, NodesFromBeforeALoadStayUsable) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMElementPtr oldRoot = BuildDom(doc, doc, ElementModel{L"old", {}, L"before", {}});
    IXMLDOMNodePtr detached = NewElement(doc, L"detached");
    ASSERT_TRUE(doc->loadXML(L"<new>after</new>"));
    EXPECT_EQ(_bstr_t(L"before"), oldRoot->Gettext());
    EXPECT_EQ(_bstr_t(L"after"), doc->GetdocumentElement()->Gettext());
    EXPECT_FALSE(oldRoot->GetparentNode());  // its document node was replaced
    oldRoot->appendChild(detached);          // nodes of the old tree still combine
    EXPECT_COM_ERROR(E_INVALIDARG, doc->GetdocumentElement()->appendChild(oldRoot));
    ASSERT_TRUE(doc->loadXML(L"<third/>"));
}

TEST(EngineLifetime, LargeTreeIsReleasedWhole) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMNodePtr root = doc->appendChild(NewElement(doc, L"r"));
    for (int i = 0; i < 2000; ++i) {
        IXMLDOMNodePtr point = root->appendChild(NewElement(doc, L"Pnt"));
        point->appendChild(NewElement(doc, L"Name"))->appendChild(doc->createTextNode(L"p"));
    }
    EXPECT_TRUE(root->GetfirstChild()->hasChildNodes());
}

}  // namespace

// Creation of engine objects by ProgID, and switching ProgIDs off.
#include "vdxml/engine/factory.h"

#include <gtest/gtest.h>

#include "vdxml/engine/dom.h"
#include "vdxml/engine/sax.h"

namespace {

class EngineFactory : public ::testing::Test {
  protected:
    void TearDown() override { VdXmlEngine::ResetProgIds(); }
};

TEST_F(EngineFactory, EachProgIdMakesItsKindOfObject) {
    for (const wchar_t* progId : {L"MsXml2.DomDocument.4.0", L"MsXml2.DomDocument"}) {
        IXMLDOMDocument2Ptr doc;
        EXPECT_EQ(S_OK, CreateEngineObject(doc, progId));
        ASSERT_TRUE(doc);
        EXPECT_EQ(NODE_DOCUMENT, doc->GetnodeType());
    }
    for (const wchar_t* progId : {L"MsXml2.MXXMLWriter.4.0", L"MsXml2.MXXMLWriter"}) {
        IMXWriterPtr writer;
        EXPECT_EQ(S_OK, CreateEngineObject(writer, progId));
        ASSERT_TRUE(writer);
        EXPECT_TRUE(ISAXContentHandlerPtr(writer));
        EXPECT_TRUE(ISAXLexicalHandlerPtr(writer));
    }
    for (const wchar_t* progId : {L"MsXml2.SAXAttributes.4.0", L"MsXml2.SAXAttributes"}) {
        IMXAttributesPtr attributes;
        EXPECT_EQ(S_OK, CreateEngineObject(attributes, progId));
        ASSERT_TRUE(attributes);
        EXPECT_TRUE(ISAXAttributesPtr(attributes));
    }
}

TEST_F(EngineFactory, ProgIdsCompareWithoutCase) {
    IXMLDOMDocument2Ptr doc;
    EXPECT_EQ(S_OK, CreateEngineObject(doc, L"msxml2.domdocument.4.0"));
    EXPECT_TRUE(doc);
}

TEST_F(EngineFactory, UnknownProgIdIsNotRegistered) {
    IXMLDOMDocument2Ptr doc;
    EXPECT_EQ(REGDB_E_CLASSNOTREG, CreateEngineObject(doc, L"MsXml2.DomDocument.6.0"));
    EXPECT_FALSE(doc);
    EXPECT_EQ(REGDB_E_CLASSNOTREG, CreateEngineObject(doc, L""));
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(REGDB_E_CLASSNOTREG, VdXmlEngine::CreateInstance(nullptr, IID_IUnknown, &object));
    EXPECT_EQ(nullptr, object);
}

TEST_F(EngineFactory, WrongInterfaceOrMissingOutput) {
    IMXWriterPtr writer;
    EXPECT_EQ(E_NOINTERFACE, CreateEngineObject(writer, L"MsXml2.DomDocument.4.0"));
    EXPECT_FALSE(writer);
    EXPECT_EQ(E_POINTER,
              VdXmlEngine::CreateInstance(L"MsXml2.DomDocument.4.0", IID_IUnknown, nullptr));
}

TEST_F(EngineFactory, DisabledProgIdFailsUntilEnabledAgain) {
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument.4.0", false);
    IXMLDOMDocument2Ptr doc;
    EXPECT_EQ(REGDB_E_CLASSNOTREG, CreateEngineObject(doc, L"MsXml2.DomDocument.4.0"));
    // Only that ProgID is off: the version-independent one still works.
    EXPECT_EQ(S_OK, CreateEngineObject(doc, L"MsXml2.DomDocument"));

    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument.4.0", true);
    EXPECT_EQ(S_OK, CreateEngineObject(doc, L"MsXml2.DomDocument.4.0"));

    VdXmlEngine::SetProgIdAvailable(L"MsXml2.MXXMLWriter", false);
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.SAXAttributes.4.0", false);
    VdXmlEngine::ResetProgIds();
    IMXWriterPtr writer;
    IMXAttributesPtr attributes;
    EXPECT_EQ(S_OK, CreateEngineObject(writer, L"MsXml2.MXXMLWriter"));
    EXPECT_EQ(S_OK, CreateEngineObject(attributes, L"MsXml2.SAXAttributes.4.0"));
}

TEST_F(EngineFactory, DocumentIdentityIsStableThroughIUnknown) {
    IXMLDOMDocument2Ptr doc;
    ASSERT_EQ(S_OK, CreateEngineObject(doc, L"MsXml2.DomDocument.4.0"));
    IXMLDOMNodePtr root =
        doc->appendChild(doc->createNode(_variant_t(static_cast<int>(NODE_ELEMENT)), L"r", L""));
    IXMLDOMNodePtr parent = root->GetparentNode();
    EXPECT_TRUE(IsSameComObject(doc, parent));

    IXMLDOMDocument2Ptr other;
    ASSERT_EQ(S_OK, CreateEngineObject(other, L"MsXml2.DomDocument.4.0"));
    EXPECT_FALSE(IsSameComObject(doc, other));
}

}  // namespace

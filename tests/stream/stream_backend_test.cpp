// The streaming back end on its own: creating the writer objects (with the fallback to the
// version-independent names), binding the output file, identity, and the root element.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "core/dom_doc.h"
#include "stream/stream_test_util.h"
#include "support/document_fixture.h"
#include "vdxml/engine/factory.h"

namespace {

using vdxml_test::DescriptorsOpenOn;
using vdxml_test::LoadXmlTree;
using vdxml_test::TempDir;
using vdxml_test::XmlTree;
using StreamDocPtr = _vdxml_ptr<CVdXmlStreamDoc>;

StreamDocPtr NewStreamDoc() { return StreamDocPtr(new CVdXmlStreamDoc, false); }

class StreamCreate : public ::testing::Test {
  protected:
    void TearDown() override { VdXmlEngine::ResetProgIds(); }
};

TEST_F(StreamCreate, FallsBackToVersionIndependentNames) {
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.MXXMLWriter.4.0", false);
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.SAXAttributes.4.0", false);
    StreamDocPtr doc = NewStreamDoc();
    EXPECT_EQ(doc->Create(), S_OK);
    TempDir dir;
    EXPECT_EQ(doc->SetFileName(_bstr_t(dir.file("a.xml"))), S_OK);
    VDXML_ELEMENT root;
    EXPECT_EQ(doc->CreateRootElement(L"Company", L"", nullptr, &root), S_OK);
}

TEST_F(StreamCreate, MissingWriterFailsCreateAndDocumentInitialize) {
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.MXXMLWriter.4.0", false);
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.MXXMLWriter", false);
    StreamDocPtr doc = NewStreamDoc();
    EXPECT_EQ(doc->Create(), REGDB_E_CLASSNOTREG);
    TempDir dir;
    EXPECT_EQ(doc->SetFileName(_bstr_t(dir.file("a.xml"))), E_FAIL);

    CVdXmlDocument document;
    EXPECT_EQ(document.Initialize(vdxml_test::SampleRoot(), IVdXmlDoc::DOCTYPE_STREAM,
                                  _bstr_t(dir.file("b.xml")), 0),
              REGDB_E_CLASSNOTREG);
    EXPECT_NE(access(dir.file("b.xml").c_str(), F_OK), 0);
}

TEST_F(StreamCreate, MissingAttributeCollectionFailsAndLeavesNoContentHandler) {
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.SAXAttributes.4.0", false);
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.SAXAttributes", false);
    StreamDocPtr doc = NewStreamDoc();
    EXPECT_EQ(doc->Create(), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(doc->InsertProcessingInstruction(L"xml", L" version='1.0'"), E_FAIL);
    VDXML_ELEMENT root;
    EXPECT_EQ(doc->CreateRootElement(L"Company", L"", nullptr, &root), E_FAIL);
}

TEST(StreamFileName, RefusalsAndTheRememberedName) {
    TempDir dir;
    StreamDocPtr doc = NewStreamDoc();
    _bstr_t name;
    EXPECT_EQ(doc->GetFileName(name), E_FAIL);
    EXPECT_EQ(doc->SetFileName(_bstr_t(dir.file("a.xml"))), E_FAIL) << "no writer yet";
    ASSERT_EQ(doc->Create(), S_OK);
    EXPECT_EQ(doc->SetFileName(_bstr_t()), E_FAIL);

    const std::string path = dir.file("a.xml");
    ASSERT_EQ(doc->SetFileName(_bstr_t(path)), S_OK);
    EXPECT_EQ(access(path.c_str(), F_OK), 0) << "the name is taken while the document is written";
    EXPECT_EQ(DescriptorsOpenOn(path), 0) << "the output goes to a file beside it";
    EXPECT_EQ(doc->GetFileName(name), S_OK);
    EXPECT_EQ(name, _bstr_t(path));
    EXPECT_EQ(doc->SetFileName(_bstr_t(dir.file("b.xml"))), E_FAIL) << "bound already";
    EXPECT_NE(access(dir.file("b.xml").c_str(), F_OK), 0);
}

TEST(StreamFileName, UncreatableFileIsReportedAndTheNameKept) {
    TempDir dir;
    StreamDocPtr doc = NewStreamDoc();
    ASSERT_EQ(doc->Create(), S_OK);
    const std::string path = dir.file("missing/a.xml");
    const long hr = doc->SetFileName(_bstr_t(path));
    EXPECT_TRUE(hr == HRESULT_FROM_WIN32(2) || hr == HRESULT_FROM_WIN32(3)) << std::hex << hr;
    _bstr_t name;
    EXPECT_EQ(doc->GetFileName(name), S_OK);
    EXPECT_EQ(name, _bstr_t(path));
    EXPECT_EQ(doc->SetFileName(_bstr_t(dir.file("b.xml"))), E_FAIL) << "the stream stays attached";
}

TEST(StreamIdentity, SameDocumentOnlyForTheSameWriter) {
    StreamDocPtr a = NewStreamDoc(), b = NewStreamDoc();
    EXPECT_FALSE(a->IsSameDocument(a.get())) << "no writer yet";
    ASSERT_EQ(a->Create(), S_OK);
    ASSERT_EQ(b->Create(), S_OK);
    _vdxml_ptr<CVdXmlDomDoc> dom(new CVdXmlDomDoc, false);
    ASSERT_EQ(dom->Create(), S_OK);

    EXPECT_TRUE(a->IsSameDocument(a.get()));
    EXPECT_FALSE(a->IsSameDocument(b.get()));
    EXPECT_FALSE(a->IsSameDocument(dom.get()));
    EXPECT_FALSE(dom->IsSameDocument(a.get()));
    EXPECT_FALSE(a->IsSameDocument(nullptr));
}

TEST(StreamIdentity, KindPropertiesAndDomDocument) {
    StreamDocPtr doc = NewStreamDoc();
    EXPECT_EQ(doc->GetDocType(), IVdXmlDoc::DOCTYPE_STREAM);
    EXPECT_EQ(doc->SetProperty(L"SelectionLanguage", _variant_t(L"XPath")), S_OK);
    _vdxml_ptr<CVdXmlDomDoc> dom(new CVdXmlDomDoc, false);
    ASSERT_EQ(dom->Create(), S_OK);
    IXMLDOMDocument2Ptr out;
    dom->GetDomDocument(out);
    ASSERT_TRUE(out);
    doc->GetDomDocument(out);
    EXPECT_FALSE(out);
}

TEST(StreamRootElement, NamespaceIsAppendedToTheCallersList) {
    TempDir dir;
    const std::string path = dir.file("ns.xml");
    StreamDocPtr doc = NewStreamDoc();
    ASSERT_EQ(doc->Create(), S_OK);
    ASSERT_EQ(doc->SetFileName(_bstr_t(path)), S_OK);
    ASSERT_EQ(doc->InsertProcessingInstruction(L"xml", L" version='1.0' encoding='utf-16'"), S_OK);
    std::list<VDXML_ATTRIBUTE> attrs{{L"xmlns:dt", _variant_t(L"urn:dt")}, {L"id", _variant_t(7)}};
    VDXML_ELEMENT root, child;
    ASSERT_EQ(doc->CreateRootElement(L"Company", L"urn:x", &attrs, &root), S_OK);
    EXPECT_EQ(root.Depth(), 1u);
    ASSERT_EQ(attrs.size(), 3u);
    EXPECT_EQ(attrs.back().Name, _bstr_t(L"xmlns"));
    EXPECT_EQ(attrs.back().Value.ToString(), _bstr_t(L"urn:x"));
    ASSERT_EQ(doc->CreateElement(&root, L"Name", L"urn:x", nullptr, &child), S_OK);
    EXPECT_EQ(child.Depth(), 2u);
    ASSERT_EQ(doc->Save(), S_OK);

    const XmlTree tree = LoadXmlTree(path);
    EXPECT_EQ(tree.name, "Company");
    EXPECT_EQ(tree.ns, "urn:x");
    EXPECT_EQ(tree.attrs.at("id"), "7");
    ASSERT_EQ(tree.children.size(), 1u);
    EXPECT_EQ(tree.children[0].ns, "urn:x");
}

}  // namespace

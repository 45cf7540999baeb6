// Building a document through the DOM, saving it and reading the file back with libxml2.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "engine/com_expect.h"
#include "engine/sample_document.h"
#include "support/memory_stream.h"
#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/platform/files.h"

namespace {

using engine_test::BuildDom;
using engine_test::ElementModel;
using engine_test::kNamespace;
using engine_test::NewDocument;
using engine_test::SampleDocument;
using vdxml_test::LoadXmlTree;
using vdxml_test::ReadBytes;
using vdxml_test::XmlTree;

const wchar_t* const kUtf16Declaration = L" version='1.0' encoding='utf-16'";
const std::string kDataTypes = "urn:schemas-microsoft-com:datatypes";

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

void Declare(const IXMLDOMDocument2Ptr& doc, const wchar_t* data) {
    doc->appendChild(doc->createProcessingInstruction(L"xml", data));
}

IXMLDOMNodePtr NewElement(const IXMLDOMDocument2Ptr& doc, const wchar_t* name,
                          const wchar_t* ns = kNamespace) {
    return doc->createNode(_variant_t(static_cast<int>(NODE_ELEMENT)), name, ns);
}

long Win32Status(int err) { return HRESULT_FROM_WIN32(VdXmlPlatform::Win32ErrorFromErrno(err)); }

class DomSave : public ::testing::Test {
  protected:
    // Saves doc and returns the file's text (UTF-16 decoded when it has a byte-order mark).
    std::string SaveAndRead(const IXMLDOMDocument2Ptr& doc) {
        doc->save(_variant_t(path.c_str()));
        const std::string bytes = ReadBytes(path);
        return bytes.compare(0, 2, "\xFF\xFE") == 0 ? vdxml_test::Utf16LeToUtf8(bytes) : bytes;
    }

    vdxml_test::TempDir dir;
    std::string path = dir.file("out.xml");
};

TEST_F(DomSave, Utf16DeclarationWritesLittleEndianAfterByteOrderMark) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    Declare(doc, kUtf16Declaration);
    BuildDom(doc, doc, SampleDocument());
    const std::string text = SaveAndRead(doc);

    EXPECT_EQ(std::string("\xFF\xFE<\0?\0", 6), ReadBytes(path).substr(0, 6));
    EXPECT_EQ(0u, text.find("<?xml version=\"1.0\" encoding=\"utf-16\"?>")) << text;
}

TEST_F(DomSave, FileReadsBackAsTheTreeThatWasBuilt) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    Declare(doc, kUtf16Declaration);
    BuildDom(doc, doc, SampleDocument());
    doc->save(_variant_t(path.c_str()));

    const XmlTree root = LoadXmlTree(path);
    EXPECT_EQ("Company", root.name);
    EXPECT_EQ("urn:vdxml-test:survey", root.ns);
    EXPECT_TRUE(root.attrs.empty());  // declarations only
    EXPECT_EQ("Survey & Co <Ltd>", root.childText("Name"));
    const XmlTree* created = root.child("FileCreated");
    ASSERT_NE(nullptr, created);
    EXPECT_EQ("datetime", created->attrs.at("dt:dt"));
    EXPECT_EQ(kDataTypes, created->attrNs.at("dt:dt"));
    const XmlTree* application = root.child("Application");
    ASSERT_NE(nullptr, application);
    EXPECT_EQ("Quotes \"x\" and 'y' > z", application->childText("Name"));
    EXPECT_EQ("a<b & \"c\" 'd'", application->child("Note")->attrs.at("vsrc"));
    EXPECT_EQ("", application->child("Note")->attrNs.at("vsrc"));
    EXPECT_EQ(
        "\xC3\x84\xE2\x82\xAC \xC3\xBCn\xC3\xAF"
        "code",
        application->child("Pnt")->childText("Name"));
    EXPECT_EQ("urn:vdxml-test:survey", application->child("Units")->child("Linear")->ns);
}

TEST_F(DomSave, NamespacesAreDeclaredOnceAtTheRoot) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    Declare(doc, kUtf16Declaration);
    BuildDom(doc, doc, SampleDocument());
    const std::string text = SaveAndRead(doc);
    EXPECT_EQ(1u, Occurrences(text, "xmlns=\"urn:vdxml-test:survey\"")) << text;
    EXPECT_EQ(1u, Occurrences(text, "xmlns:dt=\"" + kDataTypes + "\"")) << text;
    EXPECT_NE(std::string::npos, text.find("<FileCreated dt:dt=\"datetime\">")) << text;
}

TEST_F(DomSave, MarkupCharactersAreEscaped) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    Declare(doc, kUtf16Declaration);
    BuildDom(doc, doc, SampleDocument());
    const std::string text = SaveAndRead(doc);
    EXPECT_NE(std::string::npos, text.find(">Survey &amp; Co &lt;Ltd&gt;<")) << text;
    EXPECT_NE(std::string::npos, text.find("vsrc=\"a&lt;b &amp; &quot;c&quot; 'd'\"")) << text;
}

TEST_F(DomSave, WithoutDeclarationTheFileIsUtf8WithoutDeclaration) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    BuildDom(doc, doc, ElementModel{L"r", {}, L"\u00C4", {}});
    const std::string bytes = SaveAndRead(doc);
    EXPECT_EQ(0u, bytes.find("<r xmlns=\"urn:vdxml-test:survey\">\xC3\x84</r>")) << bytes;
}

TEST_F(DomSave, OtherDeclaredEncodingIsUsed) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    Declare(doc, L" version='1.0' encoding='ISO-8859-1' standalone='yes'");
    BuildDom(doc, doc, ElementModel{L"r", {}, L"\u00C4", {}});
    const std::string bytes = SaveAndRead(doc);
    EXPECT_NE(std::string::npos, bytes.find("encoding=\"ISO-8859-1\" standalone=\"yes\"?>"));
    EXPECT_NE(std::string::npos, bytes.find(">\xC4</r>")) << bytes;
    EXPECT_EQ("\xC3\x84", LoadXmlTree(path).text);
}

TEST_F(DomSave, DeclarationMustBeValidUniqueAndFirst) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    for (const wchar_t* bad :
         {L" encoding='utf-16'", L" version='2.0'", L" version='1.0' bogus='1'",
          L" version='1.0' encoding='utf 16'", L" version=1.0"})
        EXPECT_COM_ERROR(E_INVALIDARG, doc->createProcessingInstruction(L"xml", bad));
    EXPECT_COM_ERROR(E_INVALIDARG, doc->createProcessingInstruction(L"XmL", L"x"));
    EXPECT_COM_ERROR(E_INVALIDARG, doc->createProcessingInstruction(L"pi", L"a ?> b"));
    EXPECT_COM_ERROR(E_INVALIDARG, doc->createProcessingInstruction(L"", L"x"));

    IXMLDOMNodePtr root = doc->appendChild(NewElement(doc, L"r"));
    EXPECT_COM_ERROR(E_FAIL, Declare(doc, kUtf16Declaration));  // after the root
    EXPECT_COM_ERROR(
        E_FAIL, root->appendChild(doc->createProcessingInstruction(L"xml", kUtf16Declaration)));

    IXMLDOMDocument2Ptr fresh = NewDocument();
    Declare(fresh, kUtf16Declaration);
    EXPECT_COM_ERROR(E_FAIL, Declare(fresh, kUtf16Declaration));  // twice
}

TEST_F(DomSave, FailedSavesRaiseTheFileSystemStatus) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    BuildDom(doc, doc, ElementModel{L"r", {}, L"x", {}});
    const std::string missingDir = dir.file("no/such/dir/out.xml");
    EXPECT_COM_ERROR(Win32Status(ENOENT), doc->save(_variant_t(missingDir.c_str())));
    EXPECT_COM_ERROR(Win32Status(EISDIR), doc->save(_variant_t(dir.path().c_str())));
    EXPECT_COM_ERROR(E_INVALIDARG, doc->save(_variant_t(L"")));
    EXPECT_COM_ERROR(E_INVALIDARG, doc->save(_variant_t(42)));
}

TEST_F(DomSave, UnwritableEncodingLeavesNoFile) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    Declare(doc, L" version='1.0' encoding='x-no-such-encoding'");
    BuildDom(doc, doc, ElementModel{L"r", {}, L"x", {}});
    testing::internal::CaptureStderr();
    EXPECT_COM_ERROR(E_INVALIDARG, doc->save(_variant_t(path.c_str())));
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(DomSave, ElementWithoutNamespaceBelowDefaultNamespaceStaysUnqualified) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMElementPtr root = BuildDom(doc, doc, ElementModel{L"r", {}, L"", {}});
    root->appendChild(NewElement(doc, L"plain", L""));
    doc->save(_variant_t(path.c_str()));
    const XmlTree tree = LoadXmlTree(path);
    ASSERT_EQ(1u, tree.children.size());
    EXPECT_EQ("", tree.children[0].ns);
}

TEST_F(DomSave, PrefixedNamespacesFollowAMovedSubtree) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMElementPtr root =
        BuildDom(doc, doc, ElementModel{L"r", {}, L"", {{L"holder", {}, L"", {}}}});
    IXMLDOMNodePtr item = root->appendChild(NewElement(doc, L"p:item", L"urn:p"));
    item->appendChild(NewElement(doc, L"p:sub", L"urn:p"));
    item->appendChild(NewElement(doc, L"inner"));
    IXMLDOMNodePtr holder = root->GetfirstChild();
    holder->appendChild(item);  // moves item away from where its prefix was declared

    const std::string text = SaveAndRead(doc);
    EXPECT_EQ(1u, Occurrences(text, "xmlns:p=")) << text;
    const XmlTree tree = LoadXmlTree(path);
    ASSERT_EQ(1u, tree.children.size());
    const XmlTree* moved = tree.children[0].child("p:item");
    ASSERT_NE(nullptr, moved) << text;
    EXPECT_EQ("urn:p", moved->ns);
    EXPECT_EQ("urn:p", moved->child("p:sub")->ns);
    EXPECT_EQ("urn:vdxml-test:survey", moved->child("inner")->ns);
}

TEST_F(DomSave, DataTypePrefixOutsideItsDeclarationDeclaresItself) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    BuildDom(doc, doc,
             ElementModel{L"r", {}, L"", {{L"when", {{L"dt:dt", L"datetime"}}, L"", {}}}});
    doc->save(_variant_t(path.c_str()));
    EXPECT_EQ(kDataTypes, LoadXmlTree(path).child("when")->attrNs.at("dt:dt"));
}

TEST_F(DomSave, AdjacentTextNodesStaySeparateAndUsable) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMElementPtr root = BuildDom(doc, doc, ElementModel{L"r", {}, L"", {}});
    IXMLDOMTextPtr first = doc->createTextNode(L"a&");
    IXMLDOMTextPtr second = doc->createTextNode(L"b");
    root->appendChild(first);
    root->appendChild(second);
    EXPECT_EQ(_bstr_t(L"b"), second->Gettext());
    EXPECT_EQ(_bstr_t(L"a&b"), root->Gettext());
    doc->save(_variant_t(path.c_str()));
    EXPECT_EQ("a&b", LoadXmlTree(path).text);
}

}  // namespace

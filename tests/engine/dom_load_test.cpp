// Loading: failures are reported, never fatal, and hostile documents cannot reach outside
// the text being parsed.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <cerrno>
#include <chrono>
#include <fstream>

#include "engine/com_expect.h"
#include "engine/libxml_setup.h"
#include "engine/sample_document.h"
#include "support/test_files.h"
#include "vdxml/platform/files.h"

namespace {

using engine_test::NewDocument;

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

long Win32Status(int err) { return HRESULT_FROM_WIN32(VdXmlPlatform::Win32ErrorFromErrno(err)); }

class DomLoad : public ::testing::Test {
  protected:
    bool LoadFile(const std::string& name, const std::string& content) {
        WriteFile(dir.file(name), content);
        return doc->load(_variant_t(dir.file(name).c_str()));
    }

    vdxml_test::TempDir dir;
    IXMLDOMDocument2Ptr doc = NewDocument();
};

TEST_F(DomLoad, MissingFileFailsWithFileNotFound) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(doc->load(_variant_t(dir.file("absent.xml").c_str())));
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    const XmlParseError error = doc->GetparseError();
    EXPECT_EQ(Win32Status(ENOENT), error.errorCode);
    EXPECT_EQ(0, error.line);
    EXPECT_FALSE(error.reason.empty());
    EXPECT_FALSE(doc->GetdocumentElement());
}

TEST_F(DomLoad, DirectoryFailsWithItsReadError) {
    EXPECT_FALSE(doc->load(_variant_t(dir.path().c_str())));
    EXPECT_EQ(Win32Status(EISDIR), doc->GetparseError().errorCode);
}

TEST_F(DomLoad, MalformedFileReportsWhereSilently) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadFile("bad.xml", "<a>\n  <b>\n  </c>\n</a>\n"));
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    const XmlParseError error = doc->GetparseError();
    EXPECT_LT(error.errorCode, 0);
    EXPECT_EQ(0xC00C0000L, error.errorCode & 0xFFFF0000L);
    EXPECT_EQ(3, error.line);
    EXPECT_GT(error.linepos, 0);
    EXPECT_NE(std::string::npos, error.reason.utf8().find("mismatch")) << error.reason.utf8();
}

TEST_F(DomLoad, FailureEmptiesTheDocumentAndSuccessClearsTheError) {
    ASSERT_TRUE(doc->loadXML(L"<a/>"));
    EXPECT_FALSE(doc->loadXML(L"<a>"));
    EXPECT_FALSE(doc->GetdocumentElement());
    EXPECT_FALSE(doc->loadXML(L""));
    EXPECT_LT(doc->GetparseError().errorCode, 0);
    EXPECT_TRUE(doc->loadXML(L"<b/>"));
    EXPECT_EQ(0, doc->GetparseError().errorCode);
    EXPECT_EQ(_bstr_t(L"b"), doc->GetdocumentElement()->GetnodeName());
}

TEST_F(DomLoad, Utf16FileWithByteOrderMarkLoads) {
    std::string bytes = "\xFF\xFE";
    for (char c : std::string("<?xml version='1.0' encoding='utf-16'?><r>\xE4</r>")) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    ASSERT_TRUE(LoadFile("utf16.xml", bytes)) << doc->GetparseError().reason;
    EXPECT_EQ(_bstr_t(L"\u00E4"), doc->GetdocumentElement()->Gettext());
}

TEST_F(DomLoad, TextIgnoresItsDeclaredEncoding) {
    EXPECT_TRUE(doc->loadXML(L"<?xml version='1.0' encoding='utf-16'?><r>\u00E4\u20AC</r>"))
        << doc->GetparseError().reason;
    EXPECT_EQ(_bstr_t(L"\u00E4\u20AC"), doc->GetdocumentElement()->Gettext());
}

TEST_F(DomLoad, ExternalEntityIsNotRead) {
    WriteFile(dir.file("secret.txt"), "TOP-SECRET");
    const std::string xml = "<?xml version='1.0'?>\n<!DOCTYPE r [<!ENTITY s SYSTEM 'file://" +
                            dir.file("secret.txt") + "'>]>\n<r>&s;</r>\n";
    ASSERT_TRUE(LoadFile("xxe.xml", xml)) << doc->GetparseError().reason;
    IXMLDOMElementPtr root = doc->GetdocumentElement();
    EXPECT_EQ(std::string::npos, root->Gettext().utf8().find("SECRET"));
    IXMLDOMNodePtr reference = root->GetfirstChild();
    ASSERT_TRUE(reference);
    EXPECT_EQ(NODE_ENTITY_REFERENCE, reference->GetnodeType());
    EXPECT_EQ(_bstr_t(L"s"), reference->GetnodeName());
    EXPECT_FALSE(reference->hasChildNodes());
}

TEST_F(DomLoad, InternalEntitiesAreNotExpanded) {
    ASSERT_TRUE(doc->loadXML(L"<!DOCTYPE r [<!ENTITY e 'expanded'>]><r>a&e;b</r>"));
    EXPECT_EQ(_bstr_t(L"ab"), doc->GetdocumentElement()->Gettext());
}

TEST_F(DomLoad, DoctypeIsALeafThatCannotBeMoved) {
    ASSERT_TRUE(doc->loadXML(L"<!DOCTYPE r [<!ENTITY e 'x'>]><r>&e;<c/></r>"));
    IXMLDOMNodePtr doctype = doc->GetfirstChild();
    ASSERT_TRUE(doctype);
    EXPECT_EQ(NODE_DOCUMENT_TYPE, doctype->GetnodeType());
    EXPECT_EQ(_bstr_t(L"r"), doctype->GetnodeName());
    EXPECT_FALSE(doctype->hasChildNodes());
    IXMLDOMElementPtr root = doc->GetdocumentElement();
    EXPECT_COM_ERROR(E_FAIL, root->appendChild(doctype));
    // An entity reference moves like any other child.
    IXMLDOMNodePtr reference = root->GetfirstChild();
    reference->GetnextSibling()->appendChild(reference);
    EXPECT_EQ(NODE_ELEMENT, root->GetfirstChild()->GetnodeType());
}

TEST_F(DomLoad, EntityExpansionBombIsRefusedQuickly) {
    std::wstring xml = L"<?xml version='1.0'?><!DOCTYPE l [<!ENTITY a0 'dhaka dhaka dhaka'>";
    for (int i = 1; i < 12; ++i) {
        xml += L"<!ENTITY a" + std::to_wstring(i) + L" '";
        for (int j = 0; j < 10; ++j) xml += L"&a" + std::to_wstring(i - 1) + L";";
        xml += L"'>";
    }
    xml += L"]><l>&a11;&a11;&a11;</l>";
    const auto start = std::chrono::steady_clock::now();
    const bool loaded = doc->loadXML(xml);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(5));
    if (loaded)
        EXPECT_LT(doc->GetdocumentElement()->Gettext().length(), 1000u);
    else
        EXPECT_LT(doc->GetparseError().errorCode, 0);
}

TEST_F(DomLoad, ExternalDtdIsNotLoaded) {
    // Were the DTD read, its syntax error would fail the load and its default attribute apply.
    WriteFile(dir.file("evil.dtd"), "<!ATTLIST r leaked CDATA 'yes'> <!ELEMENT broken");
    ASSERT_TRUE(LoadFile("withdtd.xml", "<!DOCTYPE r SYSTEM 'evil.dtd'><r/>"))
        << doc->GetparseError().reason;
    EXPECT_TRUE(doc->GetdocumentElement()->getAttribute(L"leaked").IsEmpty());
}

TEST(ExternalLoadGuard, RefusesOnlyInsideEngineParses) {
    vdxml_test::TempDir dir;
    const std::string path = dir.file("plain.txt");
    WriteFile(path, "content");
    VdXmlEngine::EnsureLibxml();
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    ASSERT_NE(nullptr, context);
    {
        VdXmlEngine::ExternalLoadBlock block;
        EXPECT_EQ(nullptr, xmlLoadExternalEntity(path.c_str(), nullptr, context));
    }
    // Other users of libxml2 in the process keep their loader.
    xmlParserInputPtr input = xmlLoadExternalEntity(path.c_str(), nullptr, context);
    EXPECT_NE(nullptr, input);
    if (input) xmlFreeInputStream(input);
    xmlFreeParserCtxt(context);
}

}  // namespace

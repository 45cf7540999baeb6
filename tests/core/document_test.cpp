// The document's lifecycle: validation of the root record, then the root element it writes
// in UTF-16.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "support/document_fixture.h"
#include "support/golden.h"

namespace {

using vdxml_test::SampleRoot;
using vdxml_test::TempDir;

TEST(Document, StartsOnlyFromAValidRootRecord) {
    // What each row changes in a valid record, the status, and whether a back end stays.
    const std::tuple<std::function<void(VDXML_ROOT&)>, long, bool> rows[] = {
        {[](auto& r) { r.Company = L""; }, E_FAIL, false},
        {[](auto& r) { r.Application = _bstr_t(); }, E_FAIL, false},
        {[](auto& r) { r.NamespaceURI = L""; }, E_FAIL, false},
        {[](auto& r) { r.Version.Major = 0; }, E_FAIL, false},
        {[](auto& r) { r.Units.Linear = r.Units.Angular = r.Units.TimeSystem = 0; }, E_FAIL, false},
        {[](auto& r) { r.NamespacePrefix = std::wstring(300, L'p'); }, E_FAIL, false},
        // A unit code without a text fails once the back end has started.
        {[](auto& r) { r.Units.Linear = 4; }, E_FAIL, true},
        {[](auto& r) { r.Units.Angular = 2; }, E_FAIL, true},
        {[](auto& r) { r.Units.TimeSystem = 4; }, E_FAIL, true},
        {[](auto& r) { r.Units.Linear = 3, r.Units.Angular = 0; }, S_OK, true},
    };
    TempDir dir;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        VDXML_ROOT root = SampleRoot();
        std::get<0>(rows[i])(root);
        CVdXmlDocument doc;
        const _bstr_t path(dir.file("r.xml"));
        EXPECT_EQ(doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, path, 0), std::get<1>(rows[i])) << i;
        EXPECT_EQ(static_cast<bool>(doc.GetXmlDocument()), std::get<2>(rows[i])) << i;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.xml")));
}

// Writes without a place to go are refused by both back ends.
TEST(Document, BackEndsRefuseWritesWithoutAPlace) {
    TempDir dir;
    for (const auto type : {IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM}) {
        CVdXmlDocument doc;
        ASSERT_EQ(doc.Initialize(SampleRoot(), type, _bstr_t(dir.file("t.xml")), 0), S_OK);
        const _vdxml_ptr<IVdXmlDoc> backEnd = doc.GetXmlDocument();
        VDXML_ELEMENT out;
        EXPECT_EQ(backEnd->CreateElement(nullptr, L"Pnt", L"", nullptr, &out), E_FAIL) << type;
        EXPECT_EQ(backEnd->InsertText(nullptr, L"t"), E_FAIL) << type;
        EXPECT_EQ(backEnd->InsertComment(nullptr, L"c"), E_FAIL) << type;
    }
}

TEST(Document, WritesTheRootElementInUtf16) {
    VDXML_ROOT root = SampleRoot();
    root.SourceDatasetLocation = L"/data/job 12";
    root.Units.Linear = root.Units.TimeSystem = 0;  // one unit is enough
    TempDir dir;
    const std::string path = dir.file("root.xml");
    {
        CVdXmlDocument doc;  // any type but the streaming one is the DOM
        ASSERT_EQ(doc.Initialize(root, static_cast<IVdXmlDoc::enmDocType>(99), _bstr_t(path), 0),
                  S_OK);
        EXPECT_EQ(doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, _bstr_t(path + "2"), 0), E_FAIL);
        ASSERT_EQ(doc.Save(), S_OK);
    }
    vdxml_test::ExpectGolden(path, "base/root");
    std::string start = "\xFF\xFE";  // byte-order mark, then UTF-16 little-endian
    for (char c : std::string("<?xml version=\"1.0\" encoding=\"utf-16\"?>")) start += {c, '\0'};
    EXPECT_EQ(vdxml_test::ReadBytes(path).substr(0, start.size()), start);
}

// Without a file name a document takes the first free numbered name in "~Rpt" below the
// temporary folder (the streaming back end creates its target at once); a device is written in
// place. The selection namespace (through Windows-1252, whatever the document's code page) and
// language reach the DOM document, of which the streaming back end has none; each back end is
// the same document as itself only.
TEST(Document, TemporaryNamesSelectionPropertiesAndIdentityOnBothBackEnds) {
    constexpr auto kDom = IVdXmlDoc::DOCTYPE_DOM, kStream = IVdXmlDoc::DOCTYPE_STREAM;
    TempDir tmp;
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "", folder = tmp.path() + "/~Rpt/";
    setenv("TMPDIR", tmp.path().c_str(), 1);
    VDXML_ROOT root = SampleRoot();
    root.NamespacePrefix = L"x", root.SelectionLanguage = L"Paths";
    root.NamespaceURI = L"urn:vdxml:t\u00e9st:\u0080\u0158", root.CodePage = VDXML_CODEPAGE_UTF8;
    const IVdXmlDoc::enmDocType types[] = {kStream, kDom, kStream, kDom};
    const std::string names[] = {folder + "0.xml", folder + "1.xml", "/dev/null", "/dev/null"};
    CVdXmlDocument docs[4];
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(docs[i].Initialize(root, types[i], i < 2 ? "" : names[i].c_str(), 0), S_OK);
    old ? setenv("TMPDIR", saved.c_str(), 1) : unsetenv("TMPDIR");
    for (int i = 0; i < 4; ++i) {
        const _vdxml_ptr<IVdXmlDoc> backEnd = docs[i].GetXmlDocument();
        _bstr_t name;
        IXMLDOMDocument2Ptr dom;
        backEnd->GetDomDocument(dom);
        EXPECT_TRUE(backEnd->GetFileName(name) == S_OK && name.utf8() == names[i]) << i;
        EXPECT_EQ(dom ? dom->getProperty(L"SelectionNamespaces").ToString() + L" " +
                            dom->getProperty(L"SelectionLanguage").ToString()
                      : _bstr_t(),
                  types[i] == kDom ? L"xmlns:x='urn:vdxml:t\u00e9st:?"
                                     L"?' Paths"
                                   : L"");
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(backEnd->IsSameDocument(docs[j].GetXmlDocument().get()), i == j) << i << j;
    }
    EXPECT_TRUE(docs[2].Save() == S_OK && docs[3].Save() == S_OK);
}

}  // namespace

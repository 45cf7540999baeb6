// The document's lifecycle: validation of the root record, the root element's layout,
// temporary names, properties, saving and the engine's failure paths.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/document_fixture.h"
#include "support/dom_helpers.h"
#include "vdxml/engine/factory.h"
#include "vdxml/vocabulary.h"

using vdxml_test::BothBackEnds;
using vdxml_test::SampleRoot;
using vdxml_test::TempDir;
using vdxml_test::XmlTree;

class RootLayoutTest : public BothBackEnds {};

TEST_P(RootLayoutTest, RootElementHoldsExactlyTheFixedChildren) {
    StartDocument();
    if (IsSkipped()) return;
    const XmlTree tree = SaveAndLoad();
    EXPECT_EQ(tree.name, "Company");
    EXPECT_EQ(tree.ns, "urn:vdxml:test");
    EXPECT_EQ(tree.childNames(), (std::vector<std::string>{"Name", "FileCreated", "Application"}));
    EXPECT_EQ(tree.childText("Name"), "Survey Co");
    const XmlTree& created = *tree.child("FileCreated");
    EXPECT_EQ(created.attrs.at("dt:dt"), "datetime");
    EXPECT_EQ(created.text.size(), 24u);  // YYYY-MM-DDThh:mm:ss.0000
    EXPECT_EQ(created.text.substr(19), ".0000");
    const XmlTree& app = ApplicationOf(tree);
    EXPECT_EQ(app.ns, "urn:vdxml:test");
    EXPECT_EQ(app.childNames(), (std::vector<std::string>{"Name", "Version", "Units"}));
    EXPECT_EQ(app.childText("Name"), "Field App");
    EXPECT_EQ(app.child("Version")->childNames(),
              (std::vector<std::string>{"Major", "Minor", "Build"}));
    EXPECT_EQ(app.child("Version")->childText("Build"), "7");
    EXPECT_EQ(app.child("Units")->childNames(),
              (std::vector<std::string>{"Linear", "Angular", "TimeSystem"}));
    EXPECT_EQ(app.child("Units")->childText("TimeSystem"), "2");
}

TEST_P(RootLayoutTest, OptionalSourceLocationAndSparseUnits) {
    VDXML_ROOT root = SampleRoot();
    root.SourceDatasetLocation = L"/data/job 12";
    root.Version.Build = 0;
    root.Units.Linear = 0;
    root.Units.TimeSystem = 0;
    StartDocument(root);
    if (IsSkipped()) return;
    const XmlTree tree = SaveAndLoad();
    EXPECT_EQ(
        tree.childNames(),
        (std::vector<std::string>{"Name", "FileCreated", "SourceDatasetLocation", "Application"}));
    EXPECT_EQ(tree.childText("SourceDatasetLocation"), "/data/job 12");
    const XmlTree& app = ApplicationOf(tree);
    EXPECT_EQ(app.child("Units")->childNames(), std::vector<std::string>{"Angular"});
    EXPECT_EQ(app.child("Version")->count("Build"), 0u);
}

TEST_P(RootLayoutTest, WrittenFileIsUtf16WithByteOrderMark) {
    StartDocument();
    if (IsSkipped()) return;
    ASSERT_EQ(doc.Save(), S_OK);
    const std::string bytes = vdxml_test::ReadBytes(path());
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);
    EXPECT_EQ(bytes[2], '<');
    EXPECT_EQ(bytes[3], '\0');
}

TEST_P(RootLayoutTest, SecondInitializeFails) {
    StartDocument();
    if (IsSkipped()) return;
    EXPECT_EQ(doc.Initialize(SampleRoot(), GetParam(), _bstr_t(dir.file("other.xml").c_str()), 0),
              E_FAIL);
    EXPECT_FALSE(std::filesystem::exists(dir.file("other.xml")));
}

TEST_P(RootLayoutTest, UnknownUnitFailsInitialize) {
    VDXML_ROOT root = SampleRoot();
    root.Units.Linear = 4;
    EXPECT_EQ(doc.Initialize(root, GetParam(), _bstr_t(path().c_str()), 0), E_FAIL);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(RootLayoutTest);

TEST(DocumentValidationTest, InvalidRootsAreRefusedBeforeAnyBackEnd) {
    TempDir dir;
    const std::string file = dir.file("refused.xml");
    auto refused = [&](VDXML_ROOT root) {
        CVdXmlDocument doc;
        const long hr = doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, _bstr_t(file.c_str()), 0);
        EXPECT_FALSE(doc.GetXmlDocument());
        EXPECT_EQ(doc.Save(), E_FAIL);
        return hr;
    };
    VDXML_ROOT r = SampleRoot();
    r.Company = L"";
    EXPECT_EQ(refused(r), E_FAIL);
    r = SampleRoot();
    r.Application = _bstr_t();
    EXPECT_EQ(refused(r), E_FAIL);
    r = SampleRoot();
    r.NamespaceURI = L"";
    EXPECT_EQ(refused(r), E_FAIL);
    r = SampleRoot();
    r.Version.Major = 0;
    EXPECT_EQ(refused(r), E_FAIL);
    r = SampleRoot();
    r.Units.Linear = r.Units.Angular = r.Units.TimeSystem = 0;
    EXPECT_EQ(refused(r), E_FAIL);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(DocumentValidationTest, AnyTypeOtherThanOneMeansDom) {
    TempDir dir;
    for (int type : {0, 2, 99}) {
        CVdXmlDocument doc;
        ASSERT_EQ(doc.Initialize(SampleRoot(), static_cast<IVdXmlDoc::enmDocType>(type),
                                 _bstr_t(dir.file("t.xml").c_str()), 0),
                  S_OK);
        EXPECT_EQ(doc.GetXmlDocument()->GetDocType(), IVdXmlDoc::DOCTYPE_DOM);
    }
}

TEST(DocumentTempFileTest, EmptyNameTakesTheFirstFreeNumberedFile) {
    TempDir tmp;
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    setenv("TMPDIR", tmp.path().c_str(), 1);
    const std::string folder = tmp.path() + "/~Rpt/";
    {
        CVdXmlDocument first;
        ASSERT_EQ(first.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, _bstr_t(), 0), S_OK);
        _bstr_t name;
        EXPECT_EQ(first.GetXmlDocument()->GetFileName(name), S_OK);
        EXPECT_EQ(name.utf8(), folder + "0.xml");
        ASSERT_EQ(first.Save(), S_OK);
        std::ofstream(folder + "1.xml") << "taken";
        CVdXmlDocument second;
        ASSERT_EQ(second.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, _bstr_t(), 0), S_OK);
        EXPECT_EQ(second.GetXmlDocument()->GetFileName(name), S_OK);
        EXPECT_EQ(name.utf8(), folder + "2.xml");
    }
    if (old)
        setenv("TMPDIR", saved.c_str(), 1);
    else
        unsetenv("TMPDIR");
}

TEST(DocumentPropertiesTest, SelectionNamespacesAndLanguageReachTheDomDocument) {
    TempDir dir;
    VDXML_ROOT root = SampleRoot();
    root.NamespaceURI = L"urn:a";
    root.NamespacePrefix = L"x";
    root.SelectionLanguage = L"XPath";
    CVdXmlDocument doc;
    ASSERT_EQ(doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.file("p.xml").c_str()), 0),
              S_OK);
    IXMLDOMDocument2Ptr dom;
    doc.GetXmlDocument()->GetDomDocument(dom);
    ASSERT_TRUE(dom);
    EXPECT_EQ(dom->getProperty(L"SelectionNamespaces").ToString(), L"xmlns:x='urn:a'");
    EXPECT_EQ(dom->getProperty(L"SelectionLanguage").ToString(), L"XPath");
}

TEST(DocumentPropertiesTest, OverlongSelectionNamespaceIsRefused) {
    TempDir dir;
    VDXML_ROOT root = SampleRoot();
    root.NamespacePrefix = std::wstring(300, L'p').c_str();
    CVdXmlDocument doc;
    EXPECT_EQ(doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.file("p.xml").c_str()), 0),
              E_FAIL);
}

class EngineFailureTest : public ::testing::Test {
  protected:
    void TearDown() override { VdXmlEngine::ResetProgIds(); }
    TempDir dir;
};

TEST_F(EngineFailureTest, VersionIndependentProgIdIsTheFallback) {
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument.4.0", false);
    CVdXmlDocument doc;
    EXPECT_EQ(
        doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.file("f.xml").c_str()), 0),
        S_OK);
    EXPECT_EQ(doc.Save(), S_OK);
    EXPECT_NO_THROW(vdxml_test::LoadXmlTree(dir.file("f.xml")));
}

TEST_F(EngineFailureTest, NoDomDocumentMeansNoDocument) {
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument.4.0", false);
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument", false);
    CVdXmlDocument doc;
    const long hr =
        doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.file("f.xml").c_str()), 0);
    EXPECT_EQ(hr, REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(doc.GetXmlDocument());
    // The document did not adopt the failed root, so it can start again.
    VdXmlEngine::ResetProgIds();
    EXPECT_EQ(
        doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.file("f.xml").c_str()), 0),
        S_OK);
}

TEST_F(EngineFailureTest, FailedRootKeepsItsBackEndAndRefusesAgain) {
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument.4.0", false);
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument", false);
    _vdxml_ptr<CVdXmlRoot> root(new CVdXmlRoot(SampleRoot()), false);
    EXPECT_EQ(root->Initialize(IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.file("f.xml").c_str()), 0),
              REGDB_E_CLASSNOTREG);
    EXPECT_TRUE(root->GetXmlDocument());
    VdXmlEngine::ResetProgIds();
    EXPECT_EQ(root->Initialize(IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.file("f.xml").c_str()), 0),
              E_FAIL);
}

TEST_F(EngineFailureTest, SaveToAnUnwritablePlaceFails) {
    CVdXmlDocument doc;
    ASSERT_EQ(doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM,
                             _bstr_t(dir.file("missing/dir/f.xml").c_str()), 0),
              S_OK);
    const long hr = doc.Save();
    EXPECT_LT(hr, 0);
    CVdXmlDocument toFolder;
    ASSERT_EQ(
        toFolder.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.path().c_str()), 0),
        S_OK);
    EXPECT_LT(toFolder.Save(), 0);
}

TEST(RefCountTest, PointerAssignmentAddsBeforeReleasing) {
    struct Counted : CVdXmlRefCount {
        explicit Counted(int* deaths) : deaths(deaths) {}
        ~Counted() override { ++*deaths; }
        int* deaths;
    };
    int deaths = 0;
    {
        _vdxml_ptr<Counted> a(new Counted(&deaths), false);
        EXPECT_EQ(a->GetRefCount(), 1);
        _vdxml_ptr<Counted> b = a;
        EXPECT_EQ(a->GetRefCount(), 2);
        b = a;  // the same pointer: nothing changes
        EXPECT_EQ(a->GetRefCount(), 2);
        a = b.get();
        EXPECT_EQ(a->GetRefCount(), 2);
        b = nullptr;
        EXPECT_EQ(deaths, 0);
    }
    EXPECT_EQ(deaths, 1);
}

TEST(RecordTest, UndefinedIsAnExactBitPattern) {
    EXPECT_TRUE(VdXmlIsUndefined(2147483647.0));
    EXPECT_FALSE(VdXmlIsUndefined(std::nextafter(2147483647.0, 3e9)));
    EXPECT_FALSE(VdXmlIsUndefined(2147483646.9999998));
    EXPECT_TRUE(VdXmlIsSet(0.0));
    VDXML_TIMESPAN ts;
    EXPECT_TRUE(VdXmlIsUndefined(ts.Start) && VdXmlIsUndefined(ts.End) &&
                VdXmlIsUndefined(ts.Span));
}

TEST(RecordTest, CopiesCarryTypeAndOmitMark) {
    VDXML_ROOT root = SampleRoot();
    root.bOmit = true;
    VDXML_ROOT copy(root);
    EXPECT_EQ(copy.nType, VDXML_TYPE_ROOT);
    EXPECT_TRUE(copy.bOmit);
    EXPECT_EQ(copy.Company, root.Company);
    EXPECT_EQ(copy.Version.nType, VDXML_TYPE_VERSION);
    EXPECT_EQ(copy.Units.nType, VDXML_TYPE_UNITS);
}

TEST(VocabularyTest, NamesDifferFromTheirConstants) {
    EXPECT_EQ(VdXml::tagPoint, L"Pnt");
    EXPECT_EQ(VdXml::tagDuration, L"Span");
    EXPECT_EQ(VdXml::tagTpsAccuracy, L"TpsInstrAccuracy");
    EXPECT_EQ(VdXml::tagCrdN, L"GS");
    EXPECT_EQ(VdXml::tagCqPos, VdXml::tagPos);
    EXPECT_EQ(VdXml::tagCqHgt, VdXml::tagHgt);
    EXPECT_EQ(VdXml::tagErrorDescription, L"ErrorDesc");
    EXPECT_EQ(VdXml::tagWarningDescription, L"WarnDesc");
    EXPECT_EQ(VdXml::tagHeightOffset, L"HgtOffset");
    EXPECT_EQ(VdXml::attrXmlNsDataTypes.Value.ToString(), L"urn:schemas-microsoft-com:datatypes");
    EXPECT_EQ(VdXml::attrDateTime.Name, L"dt:dt");
    EXPECT_EQ(VdXml::attrValueSourceComputed.Value.ToString(), L"c");
}

// One writer sequence through the DOM and through the streaming back end must give the same
// element tree: names, namespaces, attributes, escaped and non-ASCII texts, nesting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stream/stream_test_util.h"
#include "support/document_fixture.h"

namespace {

using vdxml_test::DiffTrees;
using vdxml_test::LoadXmlTree;
using vdxml_test::SampleRoot;
using vdxml_test::TempDir;
using vdxml_test::XmlTree;
using Names = std::vector<std::string>;

const VdXmlEnumText kPointKinds[] = {{1, L"Control point"}, {2, L"Detail point"}};

// A project with two points; the first point's coordinates are written after its own
// entries and before the second point, so the stream has to end them in the right order.
// A last child of the root element ends everything below "Application".
void WriteSurvey(const CVdXmlDocument& doc) {
    const CVdXmlNode& root = *doc.GetNode(CVdXmlDocument::NODE_ROOT);
    const CVdXmlNode& app = *doc.GetNode(CVdXmlDocument::NODE_APPLICATION);
    CVdXmlNode project, first, coord, second, remarks;
    std::list<VDXML_ATTRIBUTE> idAttrs{{L"id", _variant_t(L"A&B <\"1\">")}};

    ASSERT_EQ(project.Create(app, L"Project", nullptr), S_OK);
    ASSERT_EQ(project.InsertEntry(L"Name", _bstr_t(L"North & South <Block 7>")), S_OK);
    ASSERT_EQ(project.InsertEntry(L"Instrument", _bstr_t(L"360\u00B0 prism")), S_OK);
    ASSERT_EQ(project.InsertEntry(L"Scale", 0.999876543210123, 12), S_OK);

    ASSERT_EQ(first.Create(project, L"Point", &idAttrs), S_OK);
    ASSERT_EQ(first.InsertEntry(L"Name", _bstr_t(L"P-1")), S_OK);
    ASSERT_EQ(first.InsertEnumerated(L"Kind", 1ul, VdXmlEnumTable(kPointKinds)), S_OK);
    ASSERT_EQ(first.InsertEntryDateTimeMjd(L"Measured", 53853.5), S_OK);
    ASSERT_EQ(coord.Create(first, L"Crd", &CVdXmlNode::m_listAttrValueSourceComputed), S_OK);
    ASSERT_EQ(coord.InsertEntry(L"X", 4321000.12345, 5), S_OK);
    ASSERT_EQ(coord.InsertEntry(L"Y", -12.5, 5), S_OK);
    ASSERT_EQ(coord.InsertEntry(L"Count", 3l), S_OK);

    ASSERT_EQ(second.Create(project, L"Point", nullptr), S_OK);
    ASSERT_EQ(second.InsertEntry(L"Name", _bstr_t(L"P-2 a>b")), S_OK);
    ASSERT_EQ(second.InsertEntry(L"Empty", _bstr_t()), S_OK);

    ASSERT_EQ(remarks.Create(root, L"Remarks", nullptr), S_OK);  // ends four levels at once
    ASSERT_EQ(remarks.InsertEntry(L"Text", _bstr_t(L"ok")), S_OK);
}

XmlTree WriteAndLoad(IVdXmlDoc::enmDocType docType, const std::string& path) {
    CVdXmlDocument doc;
    EXPECT_EQ(doc.Initialize(SampleRoot(), docType, _bstr_t(path), 1), S_OK);
    WriteSurvey(doc);
    EXPECT_EQ(doc.Save(), S_OK);
    return LoadXmlTree(path);
}

// True for text that starts "YYYY-MM-DDThh:mm:ss".
bool StartsWithDateTime(const std::string& text) {
    static const std::string kPattern = "dddd-dd-ddTdd:dd:dd";
    if (text.size() < kPattern.size()) return false;
    for (std::size_t i = 0; i < kPattern.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i]) return false;
    }
    return true;
}

// Both files carry their own creation time; each must be a valid date-time, then they are
// compared without it.
void CheckAndBlankCreationTime(XmlTree& tree) {
    for (XmlTree& child : tree.children) {
        if (child.name != "FileCreated") continue;
        EXPECT_TRUE(StartsWithDateTime(child.text)) << child.text;
        EXPECT_EQ(child.attrs["dt:dt"], "datetime");
        child.text.clear();
        return;
    }
    ADD_FAILURE() << "no FileCreated element";
}

class StreamMatchesDom : public ::testing::Test {
  protected:
    void SetUp() override {
        dom = WriteAndLoad(IVdXmlDoc::DOCTYPE_DOM, dir.file("dom.xml"));
        stream = WriteAndLoad(IVdXmlDoc::DOCTYPE_STREAM, dir.file("stream.xml"));
        CheckAndBlankCreationTime(dom);
        CheckAndBlankCreationTime(stream);
    }
    TempDir dir;
    XmlTree dom, stream;
};

TEST_F(StreamMatchesDom, WholeTreeIsEqual) { EXPECT_EQ(DiffTrees(dom, stream), ""); }

TEST_F(StreamMatchesDom, RootElementAndFixedChildren) {
    EXPECT_EQ(stream.name, "Company");
    EXPECT_EQ(stream.ns, "urn:vdxml:test");
    EXPECT_EQ(stream.childNames(), (Names{"Name", "FileCreated", "Application", "Remarks"}));
    EXPECT_EQ(stream.childText("Name"), "Survey Co");
    EXPECT_EQ(stream.child("FileCreated")->attrNs.at("dt:dt"),
              "urn:schemas-microsoft-com:datatypes");
    const XmlTree& app = *stream.child("Application");
    EXPECT_EQ(app.ns, "urn:vdxml:test");
    EXPECT_EQ(app.childNames(), (Names{"Name", "Version", "Units", "Project"}));
    EXPECT_EQ(app.childText("Name"), "Field App");
    EXPECT_EQ(app.child("Version")->childText("Major"), "2");
    EXPECT_EQ(app.child("Version")->childText("Minor"), "1");
    const XmlTree& units = *app.child("Units");
    EXPECT_EQ(units.childText("Linear"), "1");
    EXPECT_EQ(units.childText("Angular"), "1");
    EXPECT_EQ(units.childText("TimeSystem"), "2");
}

TEST_F(StreamMatchesDom, EscapedAndNonAsciiTextsSurvive) {
    const XmlTree& project = *stream.child("Application")->child("Project");
    EXPECT_EQ(project.childText("Name"), "North & South <Block 7>");
    EXPECT_EQ(project.childText("Instrument"), "360\xC2\xB0 prism");
    EXPECT_EQ(project.childText("Scale"), "0.999876543210");
    const XmlTree& first = *project.child("Point", 0);
    EXPECT_EQ(first.attrs.at("id"), "A&B <\"1\">");
    EXPECT_EQ(project.child("Point", 1)->childText("Name"), "P-2 a>b");
    EXPECT_EQ(project.child("Point", 1)->childText("Empty"), "");
}

TEST_F(StreamMatchesDom, NestingFollowsTheOrderOfWriting) {
    const XmlTree& project = *stream.child("Application")->child("Project");
    EXPECT_EQ(project.childNames(), (Names{"Name", "Instrument", "Scale", "Point", "Point"}));
    const XmlTree& first = *project.child("Point", 0);
    EXPECT_EQ(first.childNames(), (Names{"Name", "Kind", "Measured", "Crd"}));
    EXPECT_EQ(first.childText("Kind"), "1");
    EXPECT_EQ(first.child("Measured")->attrs.at("dt:dt"), "datetime");
    const XmlTree& coord = *first.child("Crd");
    EXPECT_EQ(coord.attrs.at("vsrc"), "c");
    EXPECT_EQ(coord.childNames(), (Names{"X", "Y", "Count"}));
    EXPECT_EQ(coord.childText("X"), "4321000.12345");
    EXPECT_EQ(coord.childText("Y"), "-12.50000");
    EXPECT_EQ(stream.child("Remarks")->childText("Text"), "ok");
}

}  // namespace

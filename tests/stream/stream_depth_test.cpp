// The streaming back end addresses elements by depth only: creating a child of an outer
// element ends the deeper ones, text goes only into the innermost open element, and nothing
// is written after Save.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "stream/stream_test_util.h"
#include "support/document_fixture.h"

namespace {

using vdxml_test::DescriptorsOpenOn;
using vdxml_test::LoadXmlTree;
using vdxml_test::ReadBytes;
using vdxml_test::SampleRoot;
using vdxml_test::TempDir;
using vdxml_test::XmlTree;
using Names = std::vector<std::string>;

class StreamDepth : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(path), 1), S_OK);
        backEnd = vdxml_test::StreamBackEnd(doc);
        ASSERT_NE(backEnd, nullptr);
    }
    const CVdXmlNode& Root() const { return *doc.GetNode(CVdXmlDocument::NODE_ROOT); }
    const CVdXmlNode& App() const { return *doc.GetNode(CVdXmlDocument::NODE_APPLICATION); }
    std::size_t Depth() const { return backEnd->GetOpenDepth(); }
    XmlTree SaveAndLoad() {
        EXPECT_EQ(doc.Save(), S_OK);
        return LoadXmlTree(path);
    }

    TempDir dir;
    std::string path = dir.file("stream.xml");
    CVdXmlDocument doc;
    CVdXmlStreamDoc* backEnd = nullptr;
};

TEST_F(StreamDepth, InitializeLeavesOnlyTheLastUnitsEntryOpen) {
    // Company, Application, Units and its "TimeSystem" entry.
    EXPECT_EQ(Depth(), 4u);
}

TEST_F(StreamDepth, ChildOfRootAfterGrandchildEndsTheDeeperElements) {
    CVdXmlNode project, point, trailer;
    ASSERT_EQ(project.Create(App(), L"Project", nullptr), S_OK);
    EXPECT_EQ(Depth(), 3u) << "Units and its last entry must be ended";
    ASSERT_EQ(point.Create(project, L"Point", nullptr), S_OK);
    ASSERT_EQ(point.InsertEntry(L"Name", _bstr_t(L"P1")), S_OK);
    EXPECT_EQ(Depth(), 5u);

    ASSERT_EQ(trailer.Create(Root(), L"Trailer", nullptr), S_OK);
    EXPECT_EQ(Depth(), 2u) << "the entry, the point, the project and Application end";
    ASSERT_EQ(trailer.InsertEntry(L"Remark", _bstr_t(L"end")), S_OK);

    const XmlTree tree = SaveAndLoad();
    EXPECT_EQ(tree.childNames(), (Names{"Name", "FileCreated", "Application", "Trailer"}));
    const XmlTree& app = *tree.child("Application");
    EXPECT_EQ(app.childNames(), (Names{"Name", "Version", "Units", "Project"}));
    EXPECT_EQ(app.child("Units")->childNames(), (Names{"Linear", "Angular", "TimeSystem"}));
    ASSERT_NE(app.child("Project")->child("Point"), nullptr);
    EXPECT_EQ(app.child("Project")->child("Point")->childText("Name"), "P1");
    EXPECT_EQ(tree.child("Trailer")->childText("Remark"), "end");
}

TEST_F(StreamDepth, TextGoesOnlyIntoTheInnermostOpenElement) {
    CVdXmlNode project;
    ASSERT_EQ(project.Create(App(), L"Project", nullptr), S_OK);
    ASSERT_EQ(project.InsertEntry(L"Name", _bstr_t(L"Job")), S_OK);

    EXPECT_EQ(backEnd->InsertText(project.GetElement(), L"late"), E_FAIL);
    EXPECT_EQ(backEnd->InsertText(App().GetElement(), L"late"), E_FAIL);
    VDXML_ELEMENT empty;
    EXPECT_EQ(backEnd->InsertText(&empty, L"late"), E_FAIL);
    EXPECT_EQ(backEnd->InsertText(nullptr, L"late"), E_FAIL);
    EXPECT_EQ(Depth(), 4u) << "a refused text must not end anything";
    EXPECT_EQ(backEnd->InsertText(project.GetPreviousEntry(), L" 2"), S_OK);

    const XmlTree tree = SaveAndLoad();
    const XmlTree& written = *tree.child("Application")->child("Project");
    EXPECT_EQ(written.text, "");
    EXPECT_EQ(written.childText("Name"), "Job 2");
    EXPECT_EQ(tree.child("Application")->text, "");
}

TEST_F(StreamDepth, SecondRootElementIsRefusedWithoutTouchingTheCallersList) {
    std::list<VDXML_ATTRIBUTE> attrs{{L"a", _variant_t(L"1")}};
    VDXML_ELEMENT handle;
    EXPECT_EQ(backEnd->CreateRootElement(L"Company", L"urn:other", &attrs, &handle), E_FAIL);
    EXPECT_EQ(attrs.size(), 1u);
    EXPECT_EQ(handle.Depth(), 0u);
    CVdXmlNode second(doc);
    EXPECT_EQ(second.Create(L"Company", nullptr), E_FAIL);
    EXPECT_EQ(Depth(), 4u);

    const XmlTree tree = SaveAndLoad();  // throws when a second top-level element exists
    EXPECT_EQ(tree.name, "Company");
}

TEST_F(StreamDepth, ParentThatWasEndedIsRefused) {
    CVdXmlNode first, point, second, orphan;
    ASSERT_EQ(first.Create(App(), L"Project", nullptr), S_OK);
    ASSERT_EQ(point.Create(first, L"Point", nullptr), S_OK);
    ASSERT_EQ(second.Create(App(), L"Project", nullptr), S_OK);  // ends the point and first

    EXPECT_EQ(orphan.Create(point, L"Coord", nullptr), E_FAIL);
    VDXML_ELEMENT empty, out;
    EXPECT_EQ(backEnd->CreateElement(&empty, L"Coord", L"urn:vdxml:test", nullptr, &out), E_FAIL)
        << "an empty handle would end the root element";
    EXPECT_EQ(backEnd->CreateElement(nullptr, L"Coord", L"urn:vdxml:test", nullptr, &out), E_FAIL);
    EXPECT_EQ(backEnd->CreateElement(second.GetElement(), L"Coord", L"", nullptr, nullptr), E_FAIL);
    EXPECT_EQ(Depth(), 3u) << "refusals must not end the open elements";
    ASSERT_EQ(second.InsertEntry(L"Name", _bstr_t(L"second")), S_OK);

    const XmlTree tree = SaveAndLoad();
    const XmlTree& app = *tree.child("Application");
    ASSERT_EQ(app.count("Project"), 2u);
    EXPECT_TRUE(app.child("Project", 0)->child("Point")->children.empty());
    EXPECT_EQ(app.child("Project", 1)->childNames(), (Names{"Name"}));
}

TEST_F(StreamDepth, CommentsAreCheckedAgainstAnOpenChildAndNeverWritten) {
    static const VdXmlEnumText kKinds[] = {{1, L"Control point"}};
    CVdXmlNode project;
    ASSERT_EQ(project.Create(App(), L"Project", nullptr), S_OK);
    EXPECT_EQ(project.InsertEnumerated(L"Kind", 1ul, VdXmlEnumTable(kKinds)), S_OK);
    EXPECT_EQ(backEnd->InsertComment(project.GetElement(), L"note"), S_OK);
    EXPECT_EQ(backEnd->InsertComment(project.GetPreviousEntry(), L"note"), E_FAIL)
        << "the innermost element has no open child to describe";
    EXPECT_EQ(backEnd->InsertComment(nullptr, L"note"), E_FAIL);

    const XmlTree tree = SaveAndLoad();
    const XmlTree& written = *tree.child("Application")->child("Project");
    EXPECT_EQ(written.childText("Kind"), "1");
    EXPECT_FALSE(written.hasComment);
    EXPECT_FALSE(written.child("Kind")->hasComment);
    EXPECT_FALSE(tree.child("Application")->child("Units")->hasComment);
}

TEST_F(StreamDepth, SaveEndsEverythingAndEveryLaterWriteFails) {
    CVdXmlNode project;
    ASSERT_EQ(project.Create(App(), L"Project", nullptr), S_OK);
    ASSERT_EQ(doc.Save(), S_OK);
    EXPECT_EQ(Depth(), 0u);
    EXPECT_EQ(DescriptorsOpenOn(path), 0) << "Save closes the file";
    const std::string saved = ReadBytes(path);
    ASSERT_NO_THROW(LoadXmlTree(path));

    EXPECT_EQ(doc.Save(), E_FAIL);
    EXPECT_EQ(project.InsertEntry(L"Name", _bstr_t(L"late")), E_FAIL);
    CVdXmlNode late;
    EXPECT_EQ(late.Create(App(), L"Late", nullptr), E_FAIL);
    VDXML_ELEMENT handle, root;
    root.SetDepth(1);
    EXPECT_EQ(backEnd->InsertProcessingInstruction(L"xml", L" version='1.0'"), E_FAIL);
    EXPECT_EQ(backEnd->CreateRootElement(L"Company", L"", nullptr, &handle), E_FAIL);
    EXPECT_EQ(backEnd->CreateElement(&root, L"Late", L"", nullptr, &handle), E_FAIL);
    EXPECT_EQ(backEnd->InsertText(&root, L"late"), E_FAIL);
    EXPECT_EQ(backEnd->InsertComment(&root, L"late"), E_FAIL);
    const std::string other = dir.file("other.xml");
    EXPECT_EQ(backEnd->SetFileName(_bstr_t(other)), E_FAIL);
    EXPECT_NE(access(other.c_str(), F_OK), 0);
    EXPECT_EQ(ReadBytes(path), saved);
}

TEST_F(StreamDepth, HandlesAreNotBoundToNodes) {
    VDXML_ELEMENT handle;
    handle.SetDepth(2);
    EXPECT_EQ(backEnd->AssignNode(&handle, nullptr), S_OK);
    EXPECT_EQ(handle.Depth(), 2u);
    EXPECT_EQ(backEnd->AssignNode(nullptr, nullptr), E_FAIL);
}

TEST(StreamLifetime, DestroyedWithoutSaveClosesTheFileAndLeavesNothing) {
    TempDir dir;
    const std::string path = dir.file("unsaved.xml");
    {
        CVdXmlDocument doc;
        ASSERT_EQ(doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(path), 0), S_OK);
        CVdXmlNode project(doc);
        ASSERT_EQ(
            project.Create(*doc.GetNode(CVdXmlDocument::NODE_APPLICATION), L"Project", nullptr),
            S_OK);
    }
    EXPECT_EQ(DescriptorsOpenOn(path), 0);
    EXPECT_NE(access(path.c_str(), F_OK), 0) << "an unsaved document leaves no file behind";
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "nor a temporary one";
}

}  // namespace

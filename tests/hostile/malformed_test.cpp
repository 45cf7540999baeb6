// Files that are not documents at all, or broken ones: every reader refuses them with E_FAIL,
// quickly, without a crash or a stack overflow, and reports nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>
#include <string>

#include "hostile/hostile_reading.h"
#include "support/document_fixture.h"
#include "support/test_files.h"
#include "vdxml/point.h"
#include "vdxml/project.h"

namespace {

using vdxml_test::ExpectRefused;
using vdxml_test::ReadWithinBudget;
using vdxml_test::TempDir;
using vdxml_test::WriteBytes;

std::string Nested(int depth) {
    std::string text = "<?xml version='1.0'?><Company>";
    for (int i = 0; i < depth; ++i) text += "<Pnt>";
    for (int i = 0; i < depth; ++i) text += "</Pnt>";
    return text + "</Company>";
}

TEST(HostileStructure, TenThousandLevelsAreRefused) {
    TempDir dir;
    WriteBytes(dir.file("deep.xml"), Nested(10000));
    ExpectRefused(ReadWithinBudget(dir.file("deep.xml")));
}

TEST(HostileStructure, UnclosedDeepNestingIsRefused) {
    TempDir dir;
    std::string text = "<Company>";
    for (int i = 0; i < 100000; ++i) text += "<Project>";
    WriteBytes(dir.file("open.xml"), text);
    ExpectRefused(ReadWithinBudget(dir.file("open.xml")));
}

TEST(HostileStructure, NestingWithinTheLimitIsRead) {
    // The refusal above is the depth limit, not a refusal of nesting itself.
    TempDir dir;
    WriteBytes(dir.file("nested.xml"), Nested(100));
    const vdxml_test::HostileRead read = ReadWithinBudget(dir.file("nested.xml"));
    EXPECT_EQ(read.parsed, S_OK);
    EXPECT_EQ(read.loaded, S_OK);
}

// A complete file written by the library (UTF-16), for cutting.
std::string WrittenSurvey(const TempDir& dir) {
    const std::string path = dir.file("survey.xml");
    CVdXmlDocument doc;
    EXPECT_EQ(doc.Initialize(vdxml_test::SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, _bstr_t(path), 0),
              S_OK);
    VDXML_PROJECT project;
    project.Name = L"Truncated";
    CVdXmlProject projectNode;
    EXPECT_EQ(doc.InsertProject(project, projectNode), S_OK);
    for (int i = 0; i < 20; ++i) {
        VDXML_POINT point;
        point.Name = _bstr_t(std::to_wstring(i));
        CVdXmlPoint pointNode;
        EXPECT_EQ(projectNode.InsertPoint(point, pointNode), S_OK);
    }
    EXPECT_EQ(doc.Save(), S_OK);
    return vdxml_test::ReadBytes(path);
}

TEST(HostileStructure, TruncatedFilesAreRefused) {
    TempDir dir;
    const std::string whole = WrittenSurvey(dir);
    ASSERT_GT(whole.size(), 1000u);
    const vdxml_test::HostileRead complete = ReadWithinBudget(dir.file("survey.xml"));
    ASSERT_EQ(complete.loaded, S_OK) << "the uncut file reads";
    ASSERT_GT(complete.treeTypes.size(), 20u);
    // Cut at the start, in the middle of a character, in the middle and just before the end.
    for (std::size_t keep :
         {std::size_t{1}, std::size_t{3}, whole.size() / 2 + 1, whole.size() - 4}) {
        SCOPED_TRACE(keep);
        WriteBytes(dir.file("cut.xml"), whole.substr(0, keep));
        ExpectRefused(ReadWithinBudget(dir.file("cut.xml")));
    }
}

TEST(HostileStructure, EmptyFileIsRefused) {
    TempDir dir;
    WriteBytes(dir.file("empty.xml"), "");
    ExpectRefused(ReadWithinBudget(dir.file("empty.xml")));
}

TEST(HostileStructure, DirectoryIsRefused) {
    TempDir dir;
    ASSERT_EQ(mkdir(dir.file("folder.xml").c_str(), 0755), 0);
    ExpectRefused(ReadWithinBudget(dir.file("folder.xml")));
}

TEST(HostileStructure, MissingFileIsRefused) {
    TempDir dir;
    ExpectRefused(ReadWithinBudget(dir.file("missing.xml")));
}

TEST(HostileStructure, BinaryGarbageIsRefused) {
    TempDir dir;
    std::mt19937 random(20240229);
    for (std::size_t size :
         {std::size_t{1}, std::size_t{16}, std::size_t{4096}, std::size_t{1} << 20}) {
        SCOPED_TRACE(size);
        std::string bytes(size, '\0');
        for (char& b : bytes) b = static_cast<char>(random());
        WriteBytes(dir.file("garbage.bin"), bytes);
        ExpectRefused(ReadWithinBudget(dir.file("garbage.bin")));
    }
}

TEST(HostileStructure, GarbageAfterTheRootElementIsRefused) {
    TempDir dir;
    WriteBytes(dir.file("tail.xml"), "<Company><Name>x</Name></Company>\x01\x02\xff<Company/>");
    ExpectRefused(ReadWithinBudget(dir.file("tail.xml")));
}

}  // namespace

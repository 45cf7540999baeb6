// Files and folders removed while a document is being written: the streaming back end goes on
// writing into the file it holds, and Save reports what it finds then. Nothing crashes, no
// descriptor stays open, and a previous file is only ever replaced by a complete document.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/document_fixture.h"
#include "support/test_files.h"
#include "writefaults/fault_support.h"

namespace {

using namespace vdxml_test;

// The hidden temporary files in a folder (the streaming back end's while it writes).
std::vector<std::string> TemporaryFiles(const std::string& folder) {
    std::vector<std::string> found;
    for (const std::string& name : FolderNames(folder))
        if (name[0] == '.') found.push_back(folder + "/" + name);
    return found;
}

TEST(RemovedWhileWriting, TemporaryFileRemovedFailsTheSave) {
    TempDir dir;
    const std::string path = dir.file("survey.xml");
    const std::string previous = WriteGoodFile(path);
    const int descriptors = OpenDescriptorCount();
    {
        CVdXmlDocument doc;
        ASSERT_EQ(WriteEntries(doc, IVdXmlDoc::DOCTYPE_STREAM, path, 500), S_OK);
        const std::vector<std::string> temporary = TemporaryFiles(dir.path());
        ASSERT_EQ(temporary.size(), 1u);
        ASSERT_EQ(unlink(temporary[0].c_str()), 0);
        const long hr = SaveCatching(doc);
        EXPECT_EQ(hr, HRESULT_FROM_WIN32(2)) << std::hex << hr;
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_EQ(ReadBytes(path), previous) << "nothing incomplete took the old file's place";
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"survey.xml"});
}

TEST(RemovedWhileWriting, TargetRemovedIsWrittenAnew) {
    TempDir dir;
    const std::string path = dir.file("survey.xml");
    WriteGoodFile(path);
    const int descriptors = OpenDescriptorCount();
    {
        CVdXmlDocument doc;
        ASSERT_EQ(WriteEntries(doc, IVdXmlDoc::DOCTYPE_STREAM, path, 500), S_OK);
        ASSERT_EQ(unlink(path.c_str()), 0);
        EXPECT_EQ(SaveCatching(doc), S_OK);
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    const XmlTree tree = LoadXmlTree(path);
    ASSERT_NE(tree.child("Application"), nullptr);
    ASSERT_NE(tree.child("Application")->child("Project"), nullptr);
    EXPECT_EQ(tree.child("Application")->child("Project")->count("Value"), 500u);
}

TEST(RemovedWhileWriting, FolderRemovedFailsTheSave) {
    TempDir dir;
    const std::string folder = dir.file("job");
    std::filesystem::create_directory(folder);
    const int descriptors = OpenDescriptorCount();
    {
        CVdXmlDocument doc;
        ASSERT_EQ(WriteEntries(doc, IVdXmlDoc::DOCTYPE_STREAM, folder + "/survey.xml", 500), S_OK);
        std::filesystem::remove_all(folder);
        const long hr = SaveCatching(doc);
        EXPECT_TRUE(hr == HRESULT_FROM_WIN32(2) || hr == HRESULT_FROM_WIN32(3)) << std::hex << hr;
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_TRUE(FolderNames(dir.path()).empty());
}

TEST(RemovedWhileWriting, DomFolderRemovedBeforeSave) {
    TempDir dir;
    const std::string folder = dir.file("job");
    std::filesystem::create_directory(folder);
    const int descriptors = OpenDescriptorCount();
    {
        CVdXmlDocument doc;
        ASSERT_EQ(WriteEntries(doc, IVdXmlDoc::DOCTYPE_DOM, folder + "/survey.xml", 50), S_OK);
        std::filesystem::remove_all(folder);
        const long hr = SaveCatching(doc);
        EXPECT_TRUE(hr == HRESULT_FROM_WIN32(2) || hr == HRESULT_FROM_WIN32(3)) << std::hex << hr;
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
}

}  // namespace

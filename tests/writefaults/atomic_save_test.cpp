// Saves replace the file whole: the new document goes to a temporary file beside the target
// and takes the target's place only once complete. A failed or abandoned write leaves the
// previous file as it was; a successful one replaces it, keeping its permissions.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/document_fixture.h"
#include "support/test_files.h"
#include "writefaults/fault_support.h"

namespace {

using namespace vdxml_test;

class AtomicSave : public ::testing::TestWithParam<IVdXmlDoc::enmDocType> {
  protected:
    TempDir dir;
    std::string path = dir.file("survey.xml");
};

TEST_P(AtomicSave, SuccessReplacesThePreviousFile) {
    const std::string previous = WriteGoodFile(path);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    {
        CVdXmlDocument doc;
        ASSERT_EQ(WriteEntries(doc, GetParam(), path, 200), S_OK);
        EXPECT_EQ(ReadBytes(path), previous) << "the target is untouched until Save";
        EXPECT_EQ(doc.Save(), S_OK);
    }
    const XmlTree tree = LoadXmlTree(path);
    ASSERT_NE(tree.child("Application"), nullptr);
    ASSERT_NE(tree.child("Application")->child("Project"), nullptr);
    EXPECT_EQ(tree.child("Application")->child("Project")->count("Value"), 200u);
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"survey.xml"});
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u) << "the replacement keeps the permissions";
}

TEST_P(AtomicSave, FailedSaveKeepsThePreviousFile) {
    const std::string previous = WriteGoodFile(path);
    {
        CVdXmlDocument doc;
        FileSizeLimit limit(8 * 1024);
        long hr = WriteEntries(doc, GetParam(), path, 1000);
        if (SUCCEEDED(hr)) hr = SaveCatching(doc);
        EXPECT_EQ(hr, HRESULT_FROM_WIN32(223));
    }
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"survey.xml"});
}

TEST_P(AtomicSave, NewFileIsCreatedOnlyBySave) {
    CVdXmlDocument doc;
    ASSERT_EQ(WriteEntries(doc, GetParam(), path, 20), S_OK);
    ASSERT_EQ(doc.Save(), S_OK);
    EXPECT_NO_THROW(LoadXmlTree(path));
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"survey.xml"});
}

TEST_P(AtomicSave, LinkIsFollowedAndKept) {
    const std::string real = dir.file("real.xml");
    WriteGoodFile(real);
    ASSERT_EQ(symlink("real.xml", path.c_str()), 0);
    CVdXmlDocument doc;
    ASSERT_EQ(WriteEntries(doc, GetParam(), path, 30), S_OK);
    ASSERT_EQ(doc.Save(), S_OK);
    struct stat st;
    ASSERT_EQ(lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link stays a link";
    EXPECT_EQ(LoadXmlTree(real).child("Application")->child("Project")->count("Value"), 30u);
    EXPECT_EQ(FolderNames(dir.path()), (std::vector<std::string>{"real.xml", "survey.xml"}));
}

TEST_P(AtomicSave, DeviceIsWrittenInPlace) {
    CVdXmlDocument doc;
    ASSERT_EQ(WriteEntries(doc, GetParam(), "/dev/null", 30), S_OK);
    EXPECT_EQ(doc.Save(), S_OK);
    struct stat st;
    ASSERT_EQ(stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

INSTANTIATE_TEST_SUITE_P(BackEnds, AtomicSave,
                         ::testing::Values(IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM),
                         BackEndName);

TEST(AtomicStreamSave, AbandonedWriteKeepsThePreviousFile) {
    TempDir dir;
    const std::string path = dir.file("survey.xml");
    const std::string previous = WriteGoodFile(path);
    const int descriptors = OpenDescriptorCount();
    {
        CVdXmlDocument doc;
        ASSERT_EQ(WriteEntries(doc, IVdXmlDoc::DOCTYPE_STREAM, path, 2000), S_OK);
        EXPECT_EQ(ReadBytes(path), previous) << "the target is untouched while writing";
        _bstr_t name;
        ASSERT_EQ(doc.GetXmlDocument()->GetFileName(name), S_OK);
        EXPECT_EQ(name, _bstr_t(path)) << "the back end names the target, not its helper";
    }  // destroyed without Save
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"survey.xml"});
}

TEST(AtomicStreamSave, AbandonedNewFileLeavesNothing) {
    TempDir dir;
    {
        CVdXmlDocument doc;
        ASSERT_EQ(WriteEntries(doc, IVdXmlDoc::DOCTYPE_STREAM, dir.file("new.xml"), 50), S_OK);
        EXPECT_EQ(FolderNames(dir.path()).size(), 2u) << "the name is taken, the output beside it";
    }
    EXPECT_TRUE(FolderNames(dir.path()).empty());
}

TEST(AtomicStreamSave, UnnamedDocumentsTakeDistinctNames) {
    // Documents without a file name go to the first free number in the temporary folder; a
    // name is taken from the moment a streaming document starts, not only once saved.
    TempDir dir;
    const char* saved = std::getenv("TMPDIR");
    const std::string savedValue = saved ? saved : "";
    setenv("TMPDIR", dir.path().c_str(), 1);
    {
        CVdXmlDocument first, second;
        ASSERT_EQ(first.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(), 0), S_OK);
        ASSERT_EQ(second.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(), 0), S_OK);
        _bstr_t a, b;
        ASSERT_EQ(first.GetXmlDocument()->GetFileName(a), S_OK);
        ASSERT_EQ(second.GetXmlDocument()->GetFileName(b), S_OK);
        EXPECT_NE(a, b);
        EXPECT_EQ(first.Save(), S_OK);
        EXPECT_EQ(second.Save(), S_OK);
        EXPECT_NO_THROW(LoadXmlTree(a.utf8()));
        EXPECT_NO_THROW(LoadXmlTree(b.utf8()));
    }
    if (saved)
        setenv("TMPDIR", savedValue.c_str(), 1);
    else
        unsetenv("TMPDIR");
}

}  // namespace

// Places that cannot be written: a read-only file system, a folder without write permission,
// a missing folder, a folder where the file should be. The DOM back end reports it from Save,
// the streaming one from Initialize; the file that was there keeps its content and no
// descriptor or temporary file stays behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/document_fixture.h"
#include "support/test_files.h"
#include "writefaults/fault_support.h"

namespace {

using namespace vdxml_test;

class Unwritable : public ::testing::TestWithParam<IVdXmlDoc::enmDocType> {
  protected:
    // The status of writing a small document to path: Initialize's for the streaming back
    // end (which checks the target first), Save's for the DOM one.
    long Attempt(const std::string& path) {
        const int descriptors = OpenDescriptorCount();
        long hr;
        {
            CVdXmlDocument doc;
            hr = WriteEntries(doc, GetParam(), path, 10);
            if (GetParam() == IVdXmlDoc::DOCTYPE_DOM) {
                EXPECT_EQ(hr, S_OK) << "the DOM back end only writes at Save";
                hr = SaveCatching(doc);
            }
        }
        EXPECT_EQ(OpenDescriptorCount(), descriptors);
        return hr;
    }
};

TEST_P(Unwritable, ReadOnlyFileSystem) {
    TempDir dir;
    SmallFileSystem fs(dir.file("ro"), "1m");
    if (!fs.mounted()) GTEST_SKIP() << "no right to mount a file system here";
    const std::string path = fs.path() + "/survey.xml";
    const std::string previous = WriteGoodFile(path);
    ASSERT_TRUE(fs.SetReadOnly(true));
    EXPECT_EQ(Attempt(path), HRESULT_FROM_WIN32(5));
    EXPECT_EQ(Attempt(fs.path() + "/new.xml"), HRESULT_FROM_WIN32(5));
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(FolderNames(fs.path()), std::vector<std::string>{"survey.xml"});
}

TEST_P(Unwritable, FolderWithoutWritePermission) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions are not enforced for the superuser";
    TempDir dir;
    const std::string folder = dir.file("locked");
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    const std::string previous = WriteGoodFile(folder + "/survey.xml");
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    EXPECT_EQ(Attempt(folder + "/survey.xml"), HRESULT_FROM_WIN32(5))
        << "a file that cannot be put in place of the old one";
    EXPECT_EQ(Attempt(folder + "/new.xml"), HRESULT_FROM_WIN32(5));
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(ReadBytes(folder + "/survey.xml"), previous);
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"survey.xml"});
}

TEST_P(Unwritable, ReadOnlyFile) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions are not enforced for the superuser";
    TempDir dir;
    const std::string path = dir.file("survey.xml");
    const std::string previous = WriteGoodFile(path);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(Attempt(path), HRESULT_FROM_WIN32(5));
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"survey.xml"});
}

TEST_P(Unwritable, MissingFolder) {
    TempDir dir;
    const long hr = Attempt(dir.file("missing/survey.xml"));
    EXPECT_TRUE(hr == HRESULT_FROM_WIN32(2) || hr == HRESULT_FROM_WIN32(3)) << std::hex << hr;
    EXPECT_TRUE(FolderNames(dir.path()).empty());
}

TEST_P(Unwritable, FolderInPlaceOfTheFile) {
    TempDir dir;
    ASSERT_EQ(mkdir(dir.file("survey.xml").c_str(), 0755), 0);
    EXPECT_EQ(Attempt(dir.file("survey.xml")), HRESULT_FROM_WIN32(5));
    struct stat st;
    ASSERT_EQ(stat(dir.file("survey.xml").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"survey.xml"});
}

INSTANTIATE_TEST_SUITE_P(BackEnds, Unwritable,
                         ::testing::Values(IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM),
                         BackEndName);

}  // namespace

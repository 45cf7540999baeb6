// A disk that fills up while a document is written: the caller gets the disk-full status
// (from Save, or as the streaming writer's _com_error), no descriptor stays open, no
// temporary file stays behind, and the file that was there before keeps its content.
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

class DiskFull : public ::testing::TestWithParam<IVdXmlDoc::enmDocType> {};

// Writes a document far larger than the room left, saves, and returns the first failure.
long WriteTooMuch(IVdXmlDoc::enmDocType backEnd, const std::string& path) {
    CVdXmlDocument doc;
    long hr = WriteEntries(doc, backEnd, path, 5000);  // about 200 kB
    const long saved = SaveCatching(doc);
    if (SUCCEEDED(hr)) hr = saved;
    if (backEnd == IVdXmlDoc::DOCTYPE_STREAM) {
        EXPECT_EQ(SaveCatching(doc), E_FAIL) << "a failed stream is finished";
    }
    return hr;
}

TEST_P(DiskFull, SmallFileSystemFillsUp) {
    TempDir dir;
    SmallFileSystem small(dir.file("small"), "64k");
    if (!small.mounted()) GTEST_SKIP() << "no right to mount a file system here";
    const std::string path = small.path() + "/survey.xml";
    const std::string previous = WriteGoodFile(path);
    const int descriptors = OpenDescriptorCount();

    EXPECT_EQ(WriteTooMuch(GetParam(), path), HRESULT_FROM_WIN32(112));
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_EQ(ReadBytes(path), previous) << "the previous file is untouched";
    EXPECT_EQ(FolderNames(small.path()), std::vector<std::string>{"survey.xml"})
        << "no temporary file is left";

    // Once there is room again, the same document saves.
    CVdXmlDocument doc;
    ASSERT_EQ(WriteEntries(doc, GetParam(), path, 100), S_OK);
    EXPECT_EQ(SaveCatching(doc), S_OK);
    EXPECT_NO_THROW(LoadXmlTree(path));
}

TEST_P(DiskFull, DeviceThatIsAlwaysFull) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "/dev/full is not available";
    const int descriptors = OpenDescriptorCount();
    EXPECT_EQ(WriteTooMuch(GetParam(), "/dev/full"), HRESULT_FROM_WIN32(112));
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    struct stat st;
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << "a device is written in place, never replaced";
}

TEST_P(DiskFull, FileSizeLimitStopsTheWrite) {
    TempDir dir;
    const std::string path = dir.file("survey.xml");
    const std::string previous = WriteGoodFile(path);
    const int descriptors = OpenDescriptorCount();
    {
        FileSizeLimit limit(16 * 1024);
        EXPECT_EQ(WriteTooMuch(GetParam(), path), HRESULT_FROM_WIN32(223));  // file too large
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"survey.xml"});
}

INSTANTIATE_TEST_SUITE_P(BackEnds, DiskFull,
                         ::testing::Values(IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM),
                         BackEndName);

}  // namespace

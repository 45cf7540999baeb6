// Saves that meet a fault: no room left, a place that cannot be written, a file removed while
// the survey is written, a write abandoned. The caller gets the system's status, the file that
// was there keeps its content, and no descriptor or temporary file stays behind.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "sample_survey.h"
#include "support/document_fixture.h"
#include "vdxml/project.h"

namespace {

using namespace vdxml_test;
namespace fs = std::filesystem;
constexpr IVdXmlDoc::enmDocType kDom = IVdXmlDoc::DOCTYPE_DOM, kStream = IVdXmlDoc::DOCTYPE_STREAM;

long WriteSurvey(IVdXmlDoc::enmDocType backEnd, const std::string& path) {
    return vdxml_cli::WriteSampleSurvey({path, backEnd, 1}, nullptr);
}

// While alive, a superuser's process acts as "nobody": the superuser may write anywhere.
struct ActAsNobody {
    const bool dropped = geteuid() == 0 && seteuid(65534) == 0;
    ~ActAsNobody() {
        if (dropped && seteuid(0) != 0) std::abort();  // later tests need their user back
    }
};

// Every test ends with the descriptors it began with and no hidden (temporary) file left.
class WriteFaults : public ::testing::Test {
  protected:
    void TearDown() override {
        EXPECT_EQ(OpenDescriptorCount(), descriptors);
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir.path()))
            EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
        // A library fault that removes the device written in place must not outlive the test.
        if (!fs::exists("/dev/full")) mknod("/dev/full", S_IFCHR | 0666, makedev(1, 7));
    }
    TempDir dir;
    const std::string path = WriteBytes(dir.file("survey.xml"), "the previous survey");
    const int descriptors = OpenDescriptorCount();
};

class BothBackEnds : public WriteFaults,
                     public ::testing::WithParamInterface<IVdXmlDoc::enmDocType> {};

TEST_P(BothBackEnds, NoRoomLeft) {
    // A file may not grow beyond 16 kB: a write past it fails as on a disk that is full.
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{16 * 1024, saved.rlim_max};
    const auto action = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_EQ(WriteSurvey(GetParam(), path), HRESULT_FROM_WIN32(223));  // file too large
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, action);
    EXPECT_EQ(ReadBytes(path), "the previous survey");
    EXPECT_EQ(WriteSurvey(GetParam(), "/dev/full"), HRESULT_FROM_WIN32(112));  // disk full
    EXPECT_TRUE(fs::is_character_file("/dev/full")) << "a device is written in place";
}

TEST_P(BothBackEnds, PlacesThatCannotBeWritten) {
    const std::string locked = dir.file("locked");
    fs::create_directory(locked);
    fs::create_directory(dir.file("folder.xml"));
    chmod(WriteBytes(locked + "/survey.xml", "writable").c_str(), 0666);
    chmod(WriteBytes(locked + "/readonly.xml", "read-only").c_str(), 0444);
    chmod(dir.path().c_str(), 0755);  // for "nobody" to reach it
    chmod(locked.c_str(), 0555);
    {
        ActAsNobody nobody;
        const std::pair<std::string, long> targets[] = {
            {locked + "/survey.xml", HRESULT_FROM_WIN32(5)},  // no room for the one beside it
            {locked + "/readonly.xml", HRESULT_FROM_WIN32(5)},
            {locked + "/new.xml", HRESULT_FROM_WIN32(5)},
            {dir.file("folder.xml"), HRESULT_FROM_WIN32(5)},
            {dir.file("missing/survey.xml"), HRESULT_FROM_WIN32(2)}};
        for (const auto& [target, status] : targets)
            EXPECT_EQ(WriteSurvey(GetParam(), target), status) << target;
    }
    chmod(locked.c_str(), 0755);
    EXPECT_EQ(ReadBytes(locked + "/survey.xml") + ReadBytes(locked + "/readonly.xml"),
              "writableread-only");
    EXPECT_FALSE(fs::exists(locked + "/new.xml"));
    EXPECT_TRUE(fs::is_directory(dir.file("folder.xml")));
}

// A link is followed: the file it names is replaced, keeping its permissions, and the link
// stays a link.
TEST_P(BothBackEnds, SaveReplacesTheFileALinkNames) {
    fs::rename(path, dir.file("real.xml"));
    chmod(dir.file("real.xml").c_str(), 0640);
    fs::create_symlink("real.xml", path);
    ASSERT_EQ(WriteSurvey(GetParam(), path), S_OK);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_NO_THROW(LoadXmlTree(dir.file("real.xml")));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

INSTANTIATE_TEST_SUITE_P(Faults, BothBackEnds, ::testing::Values(kDom, kStream),
                         [](const auto& info) { return info.param == kDom ? "Dom" : "Stream"; });

// The streaming back end holds a file while it writes: a project, unsaved.
long StartSurvey(CVdXmlDocument& doc, const std::string& path) {
    VDXML_PROJECT project;
    project.Name = L"Unsaved";
    CVdXmlProject node;
    const long hr = doc.Initialize(SampleRoot(), kStream, _bstr_t(path), 0);
    return SUCCEEDED(hr) ? doc.InsertProject(project, node) : hr;
}

// A streamed survey abandoned, its temporary file removed, its Save failing: the error reaches
// the caller (from Save as the engine's error) and the back end is finished then.
TEST_F(WriteFaults, StreamAbandonedOrItsTemporaryFileRemovedOrFull) {
    {
        CVdXmlDocument doc;
        ASSERT_EQ(StartSurvey(doc, path), S_OK);
        _bstr_t name;
        EXPECT_EQ(doc.GetXmlDocument()->GetFileName(name), S_OK);
        EXPECT_EQ(name, _bstr_t(path)) << "the target's name, not the temporary file's";
    }  // destroyed without Save
    EXPECT_EQ(ReadBytes(path), "the previous survey");
    CVdXmlDocument doc;
    ASSERT_EQ(StartSurvey(doc, dir.file("new.xml")), S_OK);
    EXPECT_TRUE(fs::exists(dir.file("new.xml"))) << "the name is taken while the survey is written";
    for (const fs::directory_entry& e : fs::directory_iterator(dir.path()))
        if (e.path().filename().string()[0] == '.') fs::remove(e.path());  // the temporary file
    EXPECT_EQ(doc.Save(), HRESULT_FROM_WIN32(2));
    EXPECT_FALSE(fs::exists(dir.file("new.xml")));
    CVdXmlDocument full;
    ASSERT_EQ(StartSurvey(full, "/dev/full"), S_OK);
    long hr = S_OK;
    try {
        full.Save();
    } catch (const _com_error& e) {
        hr = e.Error();
    }
    EXPECT_EQ(hr, HRESULT_FROM_WIN32(112));
    EXPECT_EQ(full.Save(), E_FAIL);
    CVdXmlNode late;
    EXPECT_EQ(late.Create(*full.GetNode(CVdXmlDocument::NODE_APPLICATION), L"Late", nullptr),
              E_FAIL);
}

}  // namespace

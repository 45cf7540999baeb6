// Output files that cannot be written: the document reports the system's status when the
// file cannot be created, and a full disk reaches the caller as the engine's _com_error
// without a crash, a leak or a descriptor left open.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "stream/stream_test_util.h"
#include "support/document_fixture.h"

namespace {

using vdxml_test::SampleRoot;
using vdxml_test::TempDir;

long InitializeStream(CVdXmlDocument& doc, const std::string& path) {
    return doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(path), 0);
}

TEST(StreamUnwritableFile, MissingFolderIsReportedByInitialize) {
    TempDir dir;
    CVdXmlDocument doc;
    const long hr = InitializeStream(doc, dir.file("missing/out.xml"));
    EXPECT_TRUE(hr == HRESULT_FROM_WIN32(3) || hr == HRESULT_FROM_WIN32(2)) << std::hex << hr;
    EXPECT_EQ(doc.Save(), E_FAIL) << "a failed Initialize leaves the document without back end";
    EXPECT_EQ(doc.GetNode(CVdXmlDocument::NODE_ROOT), nullptr);
}

TEST(StreamUnwritableFile, ReadOnlyFolderIsReportedByInitialize) {
    TempDir dir;
    vdxml_test::UnwritableDir locked(dir.path(), "locked");
    if (!locked.enforced()) GTEST_SKIP() << "permissions are not enforced for this user";
    CVdXmlDocument doc;
    EXPECT_EQ(InitializeStream(doc, locked.path() + "/out.xml"), HRESULT_FROM_WIN32(5));
    EXPECT_EQ(doc.Save(), E_FAIL);
}

// Writes a document of many entries to /dev/full. Wherever the writer hands its buffer to the
// stream (a node write, or the flush of Save), the stream reports the disk full and the
// writer raises it. Returns the error caught, S_OK when none was raised.
long WriteUntilTheDiskIsFull(CVdXmlDocument& doc) {
    try {
        const long hr = InitializeStream(doc, "/dev/full");
        if (FAILED(hr)) return hr;
        const CVdXmlNode& app = *doc.GetNode(CVdXmlDocument::NODE_APPLICATION);
        CVdXmlNode project;
        EXPECT_EQ(project.Create(app, L"Project", nullptr), S_OK);
        for (long i = 0; i < 2000; ++i) EXPECT_EQ(project.InsertEntry(L"Value", i), S_OK);
        return doc.Save();
    } catch (const _com_error& e) {
        return e.Error();
    }
}

TEST(StreamDiskFull, ErrorReachesTheCallerAndTheDocumentShutsDown) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "/dev/full is not available";
    const int before = vdxml_test::DescriptorsOpenOn("/dev/full");
    {
        CVdXmlDocument doc;
        EXPECT_EQ(WriteUntilTheDiskIsFull(doc), HRESULT_FROM_WIN32(112));

        // Whether the error came from a node write or from Save, a further Save ends the
        // writer (raising the stuck failure again, or refusing because it already ended);
        // afterwards the back end refuses every write.
        long again;
        try {
            again = doc.Save();
        } catch (const _com_error& e) {
            again = e.Error();
        }
        EXPECT_TRUE(FAILED(again)) << std::hex << again;
        EXPECT_EQ(doc.Save(), E_FAIL);
        CVdXmlNode late;
        EXPECT_EQ(late.Create(*doc.GetNode(CVdXmlDocument::NODE_APPLICATION), L"Late", nullptr),
                  E_FAIL);
        EXPECT_EQ(vdxml_test::DescriptorsOpenOn("/dev/full"), before);
    }
    EXPECT_EQ(vdxml_test::DescriptorsOpenOn("/dev/full"), before);
}

}  // namespace

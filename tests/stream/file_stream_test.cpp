// The library's file stream: opening, writing, reading back, the statuses of refused calls
// and of operating-system failures, interfaces and reference counting.
#include "vdxml/file_stream.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "stream/stream_test_util.h"
#include "support/test_files.h"
#include "vdxml/engine/sax.h"

using vdxml_test::ReadBytes;
using vdxml_test::TempDir;
using vdxml_test::WidePath;

namespace {

long WriteText(CVdXmlFileStream& stream, const std::string& text, unsigned long* written) {
    return stream.Write(text.data(), static_cast<unsigned long>(text.size()), written);
}

class FileStreamOpen : public ::testing::Test {
  protected:
    TempDir dir;
    std::string path = dir.file("out.bin");
    CVdXmlFileStream stream;
};

TEST_F(FileStreamOpen, WriteReplacesAnExistingFile) {
    std::ofstream(path) << "an older and much longer content";
    ASSERT_EQ(stream.OpenForWrite(WidePath(path).c_str()), S_OK);
    unsigned long written = 0;
    EXPECT_EQ(WriteText(stream, "new", &written), S_OK);
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST_F(FileStreamOpen, NullOrEmptyNameIsRefused) {
    EXPECT_EQ(stream.OpenForWrite(nullptr), E_INVALIDARG);
    EXPECT_EQ(stream.OpenForWrite(L""), E_INVALIDARG);
    EXPECT_EQ(stream.OpenForRead(nullptr), E_INVALIDARG);
    EXPECT_EQ(stream.OpenForRead(L""), E_INVALIDARG);
    EXPECT_FALSE(stream.IsOpen());
}

TEST_F(FileStreamOpen, SecondOpenWhileOpenIsRefusedAndKeepsTheFirstFile) {
    ASSERT_EQ(stream.OpenForWrite(WidePath(path).c_str()), S_OK);
    const std::string other = dir.file("other.bin");
    EXPECT_EQ(stream.OpenForWrite(WidePath(other).c_str()), E_INVALIDARG);
    EXPECT_EQ(stream.OpenForRead(WidePath(path).c_str()), E_INVALIDARG);
    EXPECT_NE(access(other.c_str(), F_OK), 0) << "the refused open must not create a file";
    EXPECT_EQ(WriteText(stream, "still here", nullptr), S_OK);
    EXPECT_EQ(ReadBytes(path), "still here");
}

TEST_F(FileStreamOpen, MissingFolderGivesPathOrFileNotFound) {
    const long hr = stream.OpenForWrite(WidePath(dir.file("no/such/folder/out.xml")).c_str());
    EXPECT_TRUE(hr == HRESULT_FROM_WIN32(3) || hr == HRESULT_FROM_WIN32(2)) << std::hex << hr;
    EXPECT_FALSE(stream.IsOpen());
}

TEST_F(FileStreamOpen, FileUsedAsFolderGivesPathNotFound) {
    std::ofstream(path) << "x";
    EXPECT_EQ(stream.OpenForWrite(WidePath(path + "/inner.xml").c_str()), HRESULT_FROM_WIN32(3));
}

TEST_F(FileStreamOpen, FolderAsFileGivesAccessDenied) {
    EXPECT_EQ(stream.OpenForWrite(WidePath(dir.path()).c_str()), HRESULT_FROM_WIN32(5));
}

TEST_F(FileStreamOpen, ReadOnlyFolderGivesAccessDenied) {
    vdxml_test::UnwritableDir locked(dir.path(), "locked");
    if (!locked.enforced()) GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_EQ(stream.OpenForWrite(WidePath(locked.path() + "/out.xml").c_str()),
              HRESULT_FROM_WIN32(5));
}

TEST_F(FileStreamOpen, ReadOfMissingFileGivesFileNotFound) {
    EXPECT_EQ(stream.OpenForRead(WidePath(path).c_str()), HRESULT_FROM_WIN32(2));
}

TEST_F(FileStreamOpen, NonAsciiFileNameIsUsedAsUtf8) {
    const std::string name = dir.file("Messung 360\xC2\xB0.xml");
    ASSERT_EQ(stream.OpenForWrite(WidePath(name).c_str()), S_OK);
    EXPECT_EQ(WriteText(stream, "ok", nullptr), S_OK);
    EXPECT_EQ(ReadBytes(name), "ok");
}

TEST(FileStreamWrite, WithoutFileIsUnexpectedAndStillCounted) {
    CVdXmlFileStream stream;
    EXPECT_EQ(stream.GetNumWriteCalls(), 0);
    unsigned long written = 99;
    EXPECT_EQ(WriteText(stream, "abc", &written), E_UNEXPECTED);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(WriteText(stream, "abc", nullptr), E_UNEXPECTED);
    EXPECT_EQ(stream.GetNumWriteCalls(), 2);
}

TEST(FileStreamWrite, EveryCallIsCountedAndZeroBytesIsFalse) {
    TempDir dir;
    CVdXmlFileStream stream;
    ASSERT_EQ(stream.OpenForWrite(WidePath(dir.file("a.bin")).c_str()), S_OK);
    unsigned long written = 99;
    EXPECT_EQ(stream.Write("x", 0, &written), S_FALSE);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(stream.Write(nullptr, 4, &written), E_INVALIDARG);
    EXPECT_EQ(WriteText(stream, "one", nullptr), S_OK);
    EXPECT_EQ(stream.GetNumWriteCalls(), 3);
    EXPECT_EQ(ReadBytes(dir.file("a.bin")), "one");
}

TEST(FileStreamWrite, FullDeviceReportsDiskFull) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "/dev/full is not available";
    CVdXmlFileStream stream;
    ASSERT_EQ(stream.OpenForWrite(L"/dev/full"), S_OK);
    unsigned long written = 99;
    EXPECT_EQ(WriteText(stream, "lost", &written), HRESULT_FROM_WIN32(112));
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(stream.GetNumWriteCalls(), 1);
}

TEST(FileStreamWrite, WriteToStreamOpenedForReadFails) {
    TempDir dir;
    std::ofstream(dir.file("r.bin")) << "data";
    CVdXmlFileStream stream;
    ASSERT_EQ(stream.OpenForRead(WidePath(dir.file("r.bin")).c_str()), S_OK);
    EXPECT_EQ(WriteText(stream, "more", nullptr), HRESULT_FROM_WIN32(6));  // invalid handle
    EXPECT_EQ(ReadBytes(dir.file("r.bin")), "data");
}

TEST(FileStreamRead, ReadsBackWhatWasWrittenThenReportsTheEnd) {
    TempDir dir;
    const std::wstring name = WidePath(dir.file("rt.bin"));
    const std::string content = "<Company>\n\x01\xFF</Company>";
    {
        CVdXmlFileStream writer;
        ASSERT_EQ(writer.OpenForWrite(name.c_str()), S_OK);
        ASSERT_EQ(WriteText(writer, content.substr(0, 5), nullptr), S_OK);
        ASSERT_EQ(WriteText(writer, content.substr(5), nullptr), S_OK);
    }
    CVdXmlFileStream reader;
    ASSERT_EQ(reader.OpenForRead(name.c_str()), S_OK);
    std::string back(4, '\0');
    unsigned long read = 0;
    EXPECT_EQ(reader.Read(back.data(), 4, &read), S_OK);
    EXPECT_EQ(read, 4u);
    std::string rest(100, '\0');
    EXPECT_EQ(reader.Read(rest.data(), 100, &read), S_OK);  // a short read at the end
    back += rest.substr(0, read);
    EXPECT_EQ(back, content);
    read = 99;
    EXPECT_EQ(reader.Read(rest.data(), 100, &read), S_FALSE);
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(reader.GetNumWriteCalls(), 0) << "reads are not counted";
}

TEST(FileStreamRead, WithoutFileIsUnexpected) {
    CVdXmlFileStream stream;
    char buffer[4];
    unsigned long read = 99;
    EXPECT_EQ(stream.Read(buffer, sizeof buffer, &read), E_UNEXPECTED);
    EXPECT_EQ(read, 0u);
}

TEST(FileStreamMethods, CommitAcceptsOnlyNoFlags) {
    CVdXmlFileStream stream;
    EXPECT_EQ(stream.Commit(0), S_OK);
    EXPECT_EQ(stream.Commit(1), E_INVALIDARG);
    EXPECT_EQ(stream.Commit(8), E_INVALIDARG);
}

TEST(FileStreamMethods, UnofferedMethodsAreNotImplementedAndLeaveArgumentsAlone) {
    CVdXmlFileStream stream;
    std::uint64_t position = 42, read = 43, written = 44;
    EXPECT_EQ(stream.Seek(0, 0, &position), E_NOTIMPL);
    EXPECT_EQ(stream.SetSize(10), E_NOTIMPL);
    EXPECT_EQ(stream.CopyTo(&stream, 1, &read, &written), E_NOTIMPL);
    EXPECT_EQ(stream.Revert(), E_NOTIMPL);
    EXPECT_EQ(stream.LockRegion(0, 1, 0), E_NOTIMPL);
    EXPECT_EQ(stream.UnlockRegion(0, 1, 0), E_NOTIMPL);
    char stat[64] = {'s'};
    EXPECT_EQ(stream.Stat(stat, 0), E_NOTIMPL);
    IStream* clone = &stream;
    EXPECT_EQ(stream.Clone(&clone), E_NOTIMPL);
    EXPECT_EQ(position, 42u);
    EXPECT_EQ(read, 43u);
    EXPECT_EQ(written, 44u);
    EXPECT_EQ(stat[0], 's');
    EXPECT_EQ(clone, &stream);
}

TEST(FileStreamInterfaces, UnknownAndStreamAreOfferedWithAReference) {
    auto* stream = new CVdXmlFileStream;
    void* out = nullptr;
    ASSERT_EQ(stream->QueryInterface(IID_IUnknown, &out), S_OK);
    EXPECT_EQ(out, static_cast<IStream*>(stream));
    out = nullptr;
    ASSERT_EQ(stream->QueryInterface(IID_IStream, &out), S_OK);
    EXPECT_EQ(out, static_cast<IStream*>(stream));
    EXPECT_EQ(stream->Release(), 2u);
    EXPECT_EQ(stream->Release(), 1u);
    EXPECT_EQ(stream->Release(), 0u);  // deleted here; the sanitizer reports a leak otherwise
}

TEST(FileStreamInterfaces, OtherInterfacesAreRefusedWithTheOutputNulled) {
    CVdXmlFileStream stream;
    void* out = &stream;
    EXPECT_EQ(stream.QueryInterface(ISAXContentHandler::iid, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(stream.QueryInterface(IID_IStream, nullptr), E_POINTER);
    EXPECT_EQ(stream.AddRef(), 2u) << "a refused query must not add a reference";
    EXPECT_EQ(stream.Release(), 1u);
}

TEST(FileStreamInterfaces, CountingFromSeveralThreadsLosesNoReference) {
    auto* stream = new CVdXmlFileStream;
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            while (!go) std::this_thread::yield();
            for (int i = 0; i < 50000; ++i) {
                stream->AddRef();
                stream->Release();
            }
        });
    }
    go = true;
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(stream->AddRef(), 2u);
    EXPECT_EQ(stream->Release(), 1u);
    EXPECT_EQ(stream->Release(), 0u);
}

TEST(FileStreamCopy, CopyWritesToTheSameFileAndClosesOnlyItsOwnDescriptor) {
    TempDir dir;
    CVdXmlFileStream original;
    ASSERT_EQ(original.OpenForWrite(WidePath(dir.file("c.bin")).c_str()), S_OK);
    ASSERT_EQ(WriteText(original, "a", nullptr), S_OK);
    {
        CVdXmlFileStream copy(original);
        EXPECT_TRUE(copy.IsOpen());
        EXPECT_EQ(copy.GetNumWriteCalls(), 1);
        EXPECT_EQ(copy.AddRef(), 2u) << "a copy starts with its own count";
        copy.Release();
        EXPECT_EQ(WriteText(copy, "b", nullptr), S_OK);
    }
    EXPECT_EQ(WriteText(original, "c", nullptr), S_OK) << "the copy must not close the original";
    CVdXmlFileStream assigned;
    assigned = original;
    EXPECT_EQ(WriteText(assigned, "d", nullptr), S_OK);
    EXPECT_EQ(ReadBytes(dir.file("c.bin")), "abcd");
}

}  // namespace

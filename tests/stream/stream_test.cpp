// The streaming back end: the same survey as the DOM back end, written to disk as it goes,
// elements addressed by depth only, and the file stream it writes through.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/testing.h"
#include "sample_survey.h"
#include "support/document_fixture.h"
#include "support/golden.h"
#include "vdxml/file_stream.h"

namespace {

using namespace vdxml_test;
namespace fs = std::filesystem;
constexpr IVdXmlDoc::enmDocType kDom = IVdXmlDoc::DOCTYPE_DOM, kStream = IVdXmlDoc::DOCTYPE_STREAM;

// The tool's sample survey; the streamed one under a non-ASCII name, which the file system
// gets as UTF-8.
std::string WriteSample(const TempDir& dir, IVdXmlDoc::enmDocType backEnd, long long points,
                        const std::function<void(long long)>& onPoint = nullptr) {
    const std::string path = dir.file(backEnd == kDom ? "dom.xml" : "Messung 360\xC2\xB0.xml");
    EXPECT_EQ(vdxml_cli::WriteSampleSurvey({path, backEnd, points}, onPoint), S_OK);
    return path;
}

// Every element kind the tool writes: both back ends give the golden tree, as UTF-16LE.
TEST(StreamSurvey, BothBackEndsWriteTheGoldenSample) {
    TempDir dir;
    for (IVdXmlDoc::enmDocType backEnd : {kDom, kStream}) {
        const std::string path = WriteSample(dir, backEnd, 2);
        EXPECT_EQ(ReadBytes(path).substr(0, 2), "\xFF\xFE") << "byte-order mark";
        ExpectGolden(path, "io/sample");
    }
}

// The output reaches the temporary file while points are still being written: however large
// the survey grows, what is not yet on disk stays small (the writer's buffer, give or take
// the parts of the sample that are not points).
TEST(StreamSurvey, LargeSurveyReachesTheDiskAsItIsWritten) {
    constexpr long long kPoints = 2000, kEvery = 250;
    TempDir dir;
    std::vector<std::pair<long long, std::uintmax_t>> onDisk;  // points written, bytes on disk
    const std::string path = WriteSample(dir, kStream, kPoints, [&](long long done) {
        if (done % kEvery != 0) return;
        for (const fs::directory_entry& f : fs::directory_iterator(dir.path()))
            if (f.path().filename().string()[0] == '.') onDisk.push_back({done, f.file_size()});
    });
    ASSERT_EQ(onDisk.size(), static_cast<std::size_t>(kPoints / kEvery));
    const std::uintmax_t total = fs::file_size(path);
    for (const auto& [done, bytes] : onDisk)
        EXPECT_LT(total * done / kPoints, bytes + 64 * 1024) << "after " << done << " points";
    EXPECT_EQ(LoadXmlTree(path).child("Application")->child("Project")->count("Pnt"),
              static_cast<std::size_t>(kPoints));
}

// Creating a child of an outer element ends every deeper one; an ended element, an empty
// handle, a second root, text for an element with an open child, a comment for one without
// and a second file are refused without ending anything; after Save everything is refused.
TEST(StreamDepth, ElementsAreWrittenDepthFirst) {
    TempDir dir;
    const std::string path = dir.file("depth.xml");
    CVdXmlDocument doc;
    ASSERT_EQ(doc.Initialize(SampleRoot(), kStream, _bstr_t(path), 1), S_OK);
    const _vdxml_ptr<IVdXmlDoc> backEnd = doc.GetXmlDocument();
    ASSERT_TRUE(backEnd);
    const CVdXmlNode& app = *doc.GetNode(CVdXmlDocument::NODE_APPLICATION);
    CVdXmlNode project, first, second, late, trailer;
    std::list<VDXML_ATTRIBUTE> id{{L"id", _variant_t(L"A&B <\"1\">")}};
    ASSERT_EQ(project.Create(app, L"Project", nullptr), S_OK);
    ASSERT_EQ(first.Create(project, L"Pnt", &id), S_OK);
    ASSERT_EQ(first.InsertEntry(L"Name", _bstr_t(L"North & South <7> 360\u00B0")), S_OK);
    EXPECT_EQ(backEnd->InsertText(first.GetElement(), L"late"), E_FAIL);
    EXPECT_EQ(backEnd->InsertText(first.GetPreviousEntry(), L" a>b"), S_OK);
    EXPECT_EQ(backEnd->InsertComment(first.GetPreviousEntry(), L"?"), E_FAIL) << "nothing below";
    ASSERT_EQ(second.Create(app, L"Project", nullptr), S_OK);
    EXPECT_EQ(late.Create(first, L"Crd", nullptr), E_FAIL) << "the first point has ended";
    VDXML_ELEMENT empty, out;
    EXPECT_EQ(backEnd->AssignNode(&empty, nullptr), S_OK) << "no tree to bind to: the handle stays";
    EXPECT_EQ(backEnd->AssignNode(nullptr, nullptr), E_FAIL);
    EXPECT_EQ(backEnd->CreateElement(&empty, L"Crd", L"", nullptr, &out), E_FAIL);
    EXPECT_EQ(backEnd->CreateRootElement(L"Company", L"", nullptr, &out), E_FAIL);
    EXPECT_EQ(backEnd->SetFileName(_bstr_t(dir.file("other.xml"))), E_FAIL) << "bound already";
    ASSERT_EQ(trailer.Create(*doc.GetNode(CVdXmlDocument::NODE_ROOT), L"Trailer", nullptr), S_OK);
    ASSERT_EQ(doc.Save(), S_OK);
    EXPECT_EQ(trailer.InsertEntry(L"Name", _bstr_t(L"late")), E_FAIL);
    EXPECT_EQ(doc.Save(), E_FAIL);
    ExpectGolden(path, "io/depth");
}

// The writer objects fall back to their version-independent names; without either the
// document cannot start and leaves no file.
TEST(StreamCreate, WriterObjectsFallBackToTheirOtherNames) {
    TempDir dir;
    CVdXmlDocument fallback, none;
    VdXmlTestingSetProgIdAvailable(L"MsXml2.MXXMLWriter.4.0", false);
    VdXmlTestingSetProgIdAvailable(L"MsXml2.SAXAttributes.4.0", false);
    const long first = fallback.Initialize(SampleRoot(), kStream, _bstr_t(dir.file("a.xml")), 0);
    VdXmlTestingSetProgIdAvailable(L"MsXml2.SAXAttributes", false);
    const long second = none.Initialize(SampleRoot(), kStream, _bstr_t(dir.file("b.xml")), 0);
    VdXmlTestingResetProgIds();
    EXPECT_EQ(first, S_OK);
    EXPECT_EQ(fallback.Save(), S_OK);
    EXPECT_EQ(second, REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(fs::exists(dir.file("b.xml")));
}

std::wstring Wide(const std::string& path) { return _bstr_t(path).wstr(); }

// The file stream's status (and count of bytes moved) for each call in each state: without a
// file, open for reading, open for writing.
TEST(FileStream, StatusOfEachCall) {
    TempDir dir;
    const std::string input = WriteBytes(dir.file("in.bin"), "abcdef"), output = dir.file("out");
    const std::string loop = dir.file("loop");  // a link to itself: no error of its own
    fs::create_symlink(loop, loop);
    CVdXmlFileStream closed, reader, writer;
    ASSERT_EQ(reader.OpenForRead(Wide(input).c_str()), S_OK);
    ASSERT_EQ(writer.OpenForWrite(Wide(output).c_str()), S_OK);
    char buffer[8] = {};
    unsigned long n = 99;
    void* object = &n;
    struct Row {
        const char* call;
        long status, expected;
        unsigned long count = 0, expectedCount = 0;
    };
    // Braced initialisers run in order: each row sees the calls of the rows before it.
    const Row rows[] = {
        {"open null", closed.OpenForWrite(nullptr), E_INVALIDARG},
        {"open empty", closed.OpenForRead(L""), E_INVALIDARG},
        {"no folder", closed.OpenForWrite(Wide(dir.file("no/x")).c_str()), HRESULT_FROM_WIN32(2)},
        {"file as folder", closed.OpenForWrite(Wide(input + "/x").c_str()), HRESULT_FROM_WIN32(3)},
        {"folder as file", closed.OpenForWrite(Wide(dir.path()).c_str()), HRESULT_FROM_WIN32(5)},
        {"name too long", closed.OpenForWrite(Wide(dir.file(std::string(300, 'n'))).c_str()),
         HRESULT_FROM_WIN32(3)},
        {"link loop", closed.OpenForWrite(Wide(loop).c_str()), HRESULT_FROM_WIN32(1627)},
        {"missing file", closed.OpenForRead(Wide(dir.file("none")).c_str()), HRESULT_FROM_WIN32(2)},
        {"second open", writer.OpenForRead(Wide(input).c_str()), E_INVALIDARG},
        {"write unopened", closed.Write("x", 1, &n), E_UNEXPECTED, n, 0},
        {"read unopened", closed.Read(buffer, 1, &n), E_UNEXPECTED, n, 0},
        {"write null", writer.Write(nullptr, 4, &n), E_INVALIDARG, n, 0},
        {"write nothing", writer.Write("x", 0, &n), S_FALSE, n, 0},
        {"write", writer.Write("new", 3, &n), S_OK, n, 3},
        {"write to reader", reader.Write("x", 1, &n), HRESULT_FROM_WIN32(6), n, 0},
        {"read", reader.Read(buffer, 4, &n), S_OK, n, 4},
        {"read to the end", reader.Read(buffer + 4, 4, &n), S_OK, n, 2},
        {"read at the end", reader.Read(buffer, 4, &n), S_FALSE, n, 0},
        {"other interface", writer.QueryInterface(IXMLDOMNode::iid, &object), E_NOINTERFACE},
        {"no pointer", writer.QueryInterface(IID_IStream, nullptr), E_POINTER},
        {"refusals add no reference", static_cast<long>(writer.AddRef()), 2},
        {"release it", static_cast<long>(writer.Release()), 1},
        {"commit", writer.Commit(0), S_OK},
        {"commit with flags", writer.Commit(1), E_INVALIDARG},
    };
    for (const Row& row : rows)
        EXPECT_TRUE(row.status == row.expected && row.count == row.expectedCount)
            << row.call << ": " << std::hex << row.status << ", " << std::dec << row.count;
    // Moving, sizing, copying, reverting, locking, describing and cloning are not offered.
    EXPECT_EQ((std::vector<long>{writer.Seek(0, 0, nullptr), writer.SetSize(1),
                                 writer.CopyTo(&reader, 1, nullptr, nullptr), writer.Revert(),
                                 writer.LockRegion(0, 1, 0), writer.UnlockRegion(0, 1, 0),
                                 writer.Stat(buffer, 0), writer.Clone(nullptr)}),
              std::vector<long>(8, E_NOTIMPL));
    EXPECT_FALSE(closed.IsOpen());
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(std::string(buffer, 6), "abcdef");
    EXPECT_EQ(writer.GetNumWriteCalls(), 3) << "refused writes are counted";
    // A copy writes to the same file through a descriptor of its own.
    CVdXmlFileStream assigned;
    assigned = writer;
    EXPECT_EQ(CVdXmlFileStream(writer).Write("b", 1, nullptr), S_OK);  // then closes its own
    EXPECT_EQ(writer.Write("c", 1, nullptr), S_OK);
    EXPECT_EQ(assigned.Write("d", 1, nullptr), S_OK);
    EXPECT_EQ(ReadBytes(output), "newbcd");
}

}  // namespace

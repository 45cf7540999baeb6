// Documents, parsers and trees on separate threads at once: each thread writes its own files
// through both back ends and reads them back with a parser and a record tree, while the
// others do the same. The library's shared constants (element names, the attribute lists for
// date-times and computed values, the enumerated texts) are used by all of them. Every thread
// must get exactly what one thread alone gets. Run under ThreadSanitizer in the build with
// -DVDXML_TSAN=ON.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/document_fixture.h"
#include "support/notification_log.h"
#include "support/test_files.h"
#include "vdxml/coord.h"
#include "vdxml/point.h"
#include "vdxml/project.h"
#include "vdxml/record_tree.h"

namespace {

using vdxml_test::TempDir;

constexpr int kThreads = 4;
constexpr int kRounds = 3;
constexpr int kPoints = 25;

// A point whose coordinate carries cofactors, so that the writer adds computed values
// (marked with the shared "vsrc" list) next to the date-time entries (the "dt:dt" list).
long WriteSurvey(IVdXmlDoc::enmDocType backEnd, const std::string& path) {
    CVdXmlDocument doc;
    long hr = doc.Initialize(vdxml_test::SampleRoot(), backEnd, _bstr_t(path), 0);
    if (FAILED(hr)) return hr;
    VDXML_PROJECT projectRecord;
    projectRecord.Name = L"Threads";
    projectRecord.Created = 60000.25;
    CVdXmlProject project;
    if (FAILED(hr = doc.InsertProject(projectRecord, project))) return hr;
    for (int i = 0; i < kPoints; ++i) {
        VDXML_POINT pointRecord;
        pointRecord.Name = _bstr_t(L"P" + std::to_wstring(i));
        pointRecord.Class = 1;
        pointRecord.Epoch = 60000.5 + i / 1440.0;
        CVdXmlPoint point;
        if (FAILED(hr = project.InsertPoint(pointRecord, point))) return hr;
        VDXML_COORD coordRecord;
        coordRecord.Type = VDXML_COORD_TYPE_3D;
        coordRecord.Wgs84Xyz.Flags = VDXML_CARTESIAN::flagXyz | VDXML_CARTESIAN::flagQlty;
        coordRecord.Wgs84Xyz.X = 4331297.0 + i;
        coordRecord.Wgs84Xyz.Y = 567555.0 - i;
        coordRecord.Wgs84Xyz.Z = 4633133.0 + 0.5 * i;
        coordRecord.Wgs84Xyz.Qlty.M0 = 1.0;
        coordRecord.Wgs84Xyz.Qlty.Q11 = coordRecord.Wgs84Xyz.Qlty.Q22 = 1e-4;
        coordRecord.Wgs84Xyz.Qlty.Q33 = 4e-4;
        CVdXmlCoord coord;
        if (FAILED(hr = point.InsertCoord(coordRecord, coord))) return hr;
    }
    return doc.Save();
}

// What reading a file gives: the notifications of a parse and the records of a tree,
// replayed once more from the tree.
struct ReadResult {
    long parsed = E_FAIL;
    long loaded = E_FAIL;
    std::vector<std::string> notifications;
    std::vector<std::string> replayed;
    std::vector<std::int32_t> types;
    bool operator==(const ReadResult& o) const {
        return parsed == o.parsed && loaded == o.loaded && notifications == o.notifications &&
               replayed == o.replayed && types == o.types;
    }
};

ReadResult Read(const std::string& path) {
    ReadResult result;
    vdxml_test::NotificationLog log;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&log);
    result.parsed = parser.Parse(path.c_str());
    result.notifications = log.Names();
    CVdXmlTree tree;
    result.loaded = tree.Load(path.c_str());
    for (int i = 0; VDXML_BASE* record = tree.GetNode(i); ++i)
        result.types.push_back(record->nType);
    vdxml_test::NotificationLog replay;
    tree.Scan(&replay);
    result.replayed = replay.Names();
    return result;
}

// One thread's work: every round writes both files and reads both back.
struct ThreadResult {
    std::vector<long> written;
    std::vector<ReadResult> read;
};

ThreadResult Work(const TempDir& dir, int thread) {
    ThreadResult result;
    for (int round = 0; round < kRounds; ++round) {
        for (IVdXmlDoc::enmDocType backEnd : {IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM}) {
            const std::string path =
                dir.file("t" + std::to_string(thread) + "-" + std::to_string(backEnd) + ".xml");
            result.written.push_back(WriteSurvey(backEnd, path));
            result.read.push_back(Read(path));
        }
    }
    return result;
}

TEST(Threads, SeparateDocumentsParsersAndTreesRunConcurrently) {
    TempDir dir;
    // What one thread alone gets, before any other runs.
    const ThreadResult alone = Work(dir, kThreads);
    ASSERT_EQ(alone.written, std::vector<long>(2 * kRounds, S_OK));
    ASSERT_EQ(alone.read[0].parsed, S_OK);
    ASSERT_EQ(alone.read[0].types.size(), 2u + 2 * kPoints) << "root, project, points, coords";
    ASSERT_EQ(alone.read[0], alone.read[1]) << "both back ends write the same survey";

    std::vector<ThreadResult> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&dir, &results, t] { results[t] = Work(dir, t); });
    for (std::thread& thread : threads) thread.join();

    for (int t = 0; t < kThreads; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(results[t].written, alone.written);
        ASSERT_EQ(results[t].read.size(), alone.read.size());
        for (std::size_t i = 0; i < alone.read.size(); ++i)
            EXPECT_TRUE(results[t].read[i] == alone.read[i]) << "read " << i << " differs";
    }
}

}  // namespace

// CVdXmlParser::ParseStream against Parse, by the differential check of the fuzzing harness, on
// every XML file the tests keep and the fuzzing corpus holds; and what the stream tells besides
// the notifications: where a file breaks, and when it was created.
#include <gtest/gtest.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>

#include "sample_survey.h"
#include "stream_diff.h"
#include "support/golden.h"
#include "support/notification_log.h"
#include "support/record_rewriter.h"
#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/vdxml.h"

using namespace vdxml_test;

namespace {

class Ignore : public CVdXmlRecordCallback {
    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { return 0; }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { return 0; }
};

TEST(Streaming, SendsWhatParseSendsOnEveryKeptFile) {
    int compared = 0, outOfOrder = 0;
    for (const std::string& folder : {TestDataDir(), std::string(VDXML_FUZZ_CORPUS)}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            const vdxml_fuzz::StreamComparison c = vdxml_fuzz::CompareReadings(entry.path());
            EXPECT_EQ(c.difference, "") << entry.path();
            compared += c.streamStatus == S_OK && c.streamed.size() > 2;
            outOfOrder += c.streamStatus == VDXML_E_OUT_OF_ORDER;
        }
    }
    EXPECT_GE(compared, 20);  // the golden files and the surveys of the corpus
    EXPECT_GE(outOfOrder, 1);
}

TEST(Streaming, SaysWhereAFileBreaks) {
    TempDir dir;
    Ignore ignore;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&ignore);
    const struct {
        const char* xml;
        long status;
        long line;
    } cases[] = {
        {"<Company>\n<Name>a</Name>\n<Pnt>\n</Company>", 0xC00C0000L | XML_ERR_TAG_NAME_MISMATCH,
         4},
        {"<Company>\n<Application><Project><Pnt/>\n<Note>late</Note></Project></Application>"
         "</Company>",
         VDXML_E_OUT_OF_ORDER, 3},
        {"<Company><Name>&undeclared;</Name></Company>", 0xC00C0000L | XML_ERR_UNDECLARED_ENTITY,
         1},
    };
    for (const auto& c : cases) {
        const std::string path = WriteBytes(dir.file("in.xml"), c.xml);
        const long status = parser.ParseStream(path.c_str());
        EXPECT_EQ(static_cast<std::uint32_t>(status), static_cast<std::uint32_t>(c.status))
            << c.xml;
        EXPECT_EQ(parser.GetParseError().status, status);
        EXPECT_EQ(parser.GetParseError().line, c.line) << c.xml;
        EXPECT_FALSE(parser.GetParseError().reason.empty());
    }
    EXPECT_EQ(parser.ParseStream(dir.file("missing.xml").c_str()), HRESULT_FROM_WIN32(2));
    EXPECT_EQ(parser.ParseStream(""), E_FAIL);
    EXPECT_EQ(parser.GetParseError().status, E_FAIL);
}

// A callback that raises stops the read at once, which is how a caller ends a read early: the
// status says what was raised, nothing more is sent, and the next read starts afresh.
TEST(Streaming, ACallbackStopsTheReadByRaising) {
    TempDir dir;
    const std::string path = dir.file("sample.xml");
    ASSERT_EQ(vdxml_cli::WriteSampleSurvey({path, IVdXmlDoc::DOCTYPE_STREAM, 3}, nullptr), S_OK);
    NotificationLog log;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&log);
    ASSERT_EQ(parser.ParseStream(path.c_str()), S_OK);
    const std::vector<std::string> whole = log.Names();
    const auto firstCoord = std::find(whole.begin(), whole.end(), "OnCoord");
    ASSERT_NE(firstCoord, whole.end());
    const std::vector<std::string> upToFirstCoord(whole.begin(), firstCoord + 1);
    const struct {
        std::function<void()> raise;
        long status;
        const char* reason;
    } cases[] = {
        {[] { throw std::runtime_error("enough"); }, E_FAIL, "enough"},
        {[] { throw std::bad_alloc(); }, E_OUTOFMEMORY, "out of memory"},
        {[] { throw _com_error(E_UNEXPECTED); }, E_UNEXPECTED, nullptr},
    };
    for (const auto& c : cases) {
        log.Clear();
        log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE*) {
            if (name == "OnCoord") c.raise();
        };
        EXPECT_EQ(parser.ParseStream(path.c_str()), c.status);
        EXPECT_EQ(log.Names(), upToFirstCoord);
        EXPECT_EQ(parser.GetParseError().status, c.status);
        if (c.reason) {
            EXPECT_EQ(parser.GetParseError().reason.utf8(), c.reason);
        }
    }
    log.Clear();
    log.onNotice = nullptr;
    EXPECT_EQ(parser.ParseStream(path.c_str()), S_OK);
    EXPECT_EQ(log.Names(), whole);
}

// The creation time, which no reader reads, against the text of "FileCreated".
TEST(Streaming, TellsWhenTheFileWasCreated) {
    TempDir dir;
    vdxml_cli::SampleOptions options;
    options.file = dir.file("sample.xml");
    options.points = 1;
    ASSERT_EQ(vdxml_cli::WriteSampleSurvey(options, nullptr), S_OK);
    int y, mo, d, h, mi;
    double s;
    ASSERT_EQ(std::sscanf(LoadXmlTree(options.file).childText("FileCreated").c_str(),
                          "%d-%d-%dT%d:%d:%lf", &y, &mo, &d, &h, &mi, &s),
              6);
    NotificationLog log;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&log);
    double atBegin = 0;  // known once the root is announced, before the read ends
    log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE*) {
        if (name == "OnVdXmlBegin") atBegin = parser.GetFileCreated();
    };
    ASSERT_EQ(parser.ParseStream(options.file.c_str()), S_OK);
    EXPECT_NEAR(parser.GetFileCreated(), VdXml::Mjd(y, mo, d, h, mi, s), 1e-6);
    EXPECT_EQ(atBegin, parser.GetFileCreated());
    log.onNotice = nullptr;
    ASSERT_EQ(parser.ParseStream(WriteBytes(dir.file("bare.xml"), "<Company/>").c_str()), S_OK);
    EXPECT_EQ(parser.GetFileCreated(), VDXML_UNDEFINED);
}

}  // namespace

namespace {

void DropComputedMarks(XmlTree& tree) {
    tree.attrs.erase("vsrc");
    tree.attrNs.erase("vsrc");
    for (XmlTree& child : tree.children) DropComputedMarks(child);
}

// Complete reading restores every value of a coordinate difference: written again, each holds
// what it held (derived values come back as given ones, without their mark). The sample's
// baseline and coordinate system, read completely, are kept as a golden file.
TEST(Streaming, CompleteReadingRestoresDifferencesAndSystems) {
    TempDir dir;
    const std::string differences = TestDataDir() + "/golden/geometry/dcoord.xml";
    RecordRewriter again(dir.file("again.xml"));
    CVdXmlTree tree;
    ASSERT_EQ(tree.Load(differences.c_str(), VDXML_READ_COMPLETE), S_OK);
    tree.Scan(&again);
    ASSERT_EQ(again.Save(), S_OK);
    XmlTree written = LoadXmlTree(differences, true), read = LoadXmlTree(dir.file("again.xml"));
    for (XmlTree* t : {&written, &read}) {
        DropComputedMarks(*t);
        t->children.erase(t->children.begin() + 1);  // the creation time
    }
    // The one point whose blocks were written straight into it, without a "DCrd", is read as
    // a point alone.
    for (XmlTree& point : written.children[1].children.back().children)
        if (point.childText("Name") == "block writers") point.children.resize(1);
    EXPECT_EQ(DiffTrees(written, read), "");

    vdxml_cli::SampleOptions options;
    options.file = dir.file("sample.xml");
    options.points = 2;
    ASSERT_EQ(vdxml_cli::WriteSampleSurvey(options, nullptr), S_OK);
    CVdXmlTree sample;
    ASSERT_EQ(sample.Load(options.file.c_str(), VDXML_READ_COMPLETE), S_OK);
    RecordRewriter rewriter(dir.file("sample-complete.xml"));
    sample.Scan(&rewriter);
    ASSERT_EQ(rewriter.Save(), S_OK);
    ExpectGolden(dir.file("sample-complete.xml"), "reading/sample-survey-complete");
}

}  // namespace

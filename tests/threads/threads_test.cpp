// Documents, parsers and record trees on separate threads at once: each thread writes the
// sample survey through both back ends in turn and reads it back while the others do the same,
// and must get what one thread alone gets. Run under ThreadSanitizer with -DVDXML_TSAN=ON.
#include <gtest/gtest.h>

#include <thread>

#include "sample_survey.h"
#include "support/notification_log.h"
#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/geometry_records.h"
#include "vdxml/record_tree.h"

namespace {

using namespace vdxml_test;
using Strings = std::vector<std::string>;

// The file written (creation time left out), then the notifications of a parse and the names
// of the points of a record tree.
std::pair<XmlTree, Strings> Round(const std::string& path, IVdXmlDoc::enmDocType backEnd) {
    std::pair<XmlTree, Strings> result;
    NotificationLog parsed;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&parsed);
    CVdXmlTree tree;
    if (vdxml_cli::WriteSampleSurvey({path, backEnd, 5}, nullptr) != S_OK ||
        parser.Parse(path.c_str()) != S_OK || tree.Load(path.c_str()) != S_OK)
        return result;
    result.first = LoadXmlTree(path);
    for (XmlTree& child : result.first.children)
        if (child.name == "FileCreated") child.text.clear();
    result.second = parsed.Names();
    for (int i = 0; const VDXML_BASE* record = tree.GetNode(i); ++i)
        if (record->nType == VDXML_TYPE_POINT)
            result.second.push_back(static_cast<const VDXML_POINT*>(record)->Name.utf8());
    return result;
}

TEST(Threads, SeparateDocumentsParsersAndTreesRunConcurrently) {
    TempDir dir;
    const auto alone = Round(dir.file("alone.xml"), IVdXmlDoc::DOCTYPE_DOM);
    ASSERT_GT(alone.second.size(), 100u);
    std::vector<std::vector<std::pair<XmlTree, Strings>>> results(4);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < results.size(); ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 6; ++round)
                results[t].push_back(
                    Round(dir.file(std::to_string(t) + ".xml"),
                          round % 2 ? IVdXmlDoc::DOCTYPE_STREAM : IVdXmlDoc::DOCTYPE_DOM));
        });
    for (std::thread& thread : threads) thread.join();
    for (const auto& rounds : results) {
        for (const auto& [written, read] : rounds) {
            EXPECT_EQ(DiffTrees(written, alone.first), "");
            EXPECT_EQ(read, alone.second);
        }
    }
}

}  // namespace

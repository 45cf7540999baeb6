// vdxml sample and vdxml info on both back ends: the sample holds every element kind the
// reader reports, info counts each of them as the file holds them, and both back ends write
// the same survey.
#include <gtest/gtest.h>

#include <map>

#include "tool_runner.h"

using namespace vdxml_tool_test;

namespace {
// The "Elements:" block of info's output as name -> count.
std::map<std::string, long long> InfoCounts(const std::string& out) {
    std::map<std::string, long long> counts;
    bool inElements = false;
    for (const std::string& line : Lines(out)) {
        if (line == "Elements:") {
            inElements = true;
        } else if (inElements) {
            const std::size_t space = line.find_last_of(' ');
            const std::size_t start = line.find_first_not_of(' ');
            counts[line.substr(start, line.find(' ', start) - start)] =
                std::stoll(line.substr(space + 1));
        }
    }
    return counts;
}

// The value after "Label:" in info's output, without the padding.
std::string InfoField(const std::string& out, const std::string& label) {
    for (const std::string& line : Lines(out))
        if (line.rfind(label + ":", 0) == 0)
            return line.substr(line.find_first_not_of(' ', label.size() + 1));
    return "<missing>";
}
}  // namespace

class ToolSampleInfo : public ToolTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ToolSampleInfo, InfoCountsEveryKindTheFileHolds) {
    const long long points = 45;  // more than one row of the grid
    const std::string path = Sample(points, GetParam());
    const ToolResult r = Run({"info", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    const std::map<std::string, long long> inFile = CountReported(path);
    EXPECT_EQ(inFile.size(), 15u) << "the sample misses a kind the reader reports";
    EXPECT_EQ(InfoCounts(r.out), inFile);
    // Besides the sample's own, stakeout design and result points are points too.
    EXPECT_EQ(inFile.at("Pnt"), points + 2);
    EXPECT_EQ(inFile.at("TrfResidual"), 3);
}

TEST_P(ToolSampleInfo, InfoDescribesTheFileHeader) {
    const std::string path = Sample(4, GetParam());
    const ToolResult r = Run({"info", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(InfoField(r.out, "File"), path);
    EXPECT_EQ(InfoField(r.out, "Size"),
              std::to_string(vdxml_test::ReadBytes(path).size()) + " bytes");
    EXPECT_EQ(InfoField(r.out, "Encoding"), "UTF-16LE (byte-order mark)");
    EXPECT_EQ(InfoField(r.out, "Company"), "Example Surveys Ltd");
    EXPECT_EQ(InfoField(r.out, "Application"), "vdxml sample");
    EXPECT_EQ(InfoField(r.out, "Version"), "1.0");
    EXPECT_EQ(InfoField(r.out, "Units").rfind("linear Metres", 0), 0u) << r.out;
    // "YYYY-MM-DDThh:mm:ss...", the moment the file was written.
    const std::string created = InfoField(r.out, "Created");
    ASSERT_GE(created.size(), 19u) << r.out;
    EXPECT_EQ(created.substr(4, 1) + created.substr(7, 1) + created.substr(10, 1), "--T");
}

TEST_P(ToolSampleInfo, OnePointStillGivesEveryKind) {
    // The one point is both the GPS-fixed first point and the staked last one.
    const std::string path = Sample(1, GetParam());
    const std::map<std::string, long long> inFile = CountReported(path);
    EXPECT_EQ(inFile.size(), 15u);
    EXPECT_EQ(inFile.at("Pnt"), 3);
    EXPECT_EQ(inFile.at("GpsBl"), 1);
    const ToolResult r = Run({"info", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(InfoCounts(r.out), inFile);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, ToolSampleInfo, ::testing::Values("--stream", "--dom"),
                         [](const auto& info) { return std::string(info.param + 2); });

class ToolSurvey : public ToolTest {};

TEST_F(ToolSurvey, BothBackEndsWriteTheSameSurvey) {
    const ToolResult stream = Run({"dump", Sample(60, "--stream")});
    const ToolResult dom = Run({"dump", Sample(60, "--dom")});
    ASSERT_EQ(stream.exitCode, 0) << stream.err;
    ASSERT_EQ(dom.exitCode, 0) << dom.err;
    EXPECT_FALSE(stream.out.empty());
    EXPECT_EQ(stream.out, dom.out);
}

TEST_F(ToolSurvey, InfoOnAWellFormedFileOfAnotherKindFindsNoSurvey) {
    const std::string path = WriteFile("other.xml", "<?xml version=\"1.0\"?><Catalog/>");
    const ToolResult r = Run({"info", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(InfoField(r.out, "Company"), "(no \"Company\" root element)");
    EXPECT_TRUE(InfoCounts(r.out).empty()) << r.out;
}

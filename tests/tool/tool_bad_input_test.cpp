// Files the tool cannot use: missing, malformed or unwritable. Every command fails with exit
// code 1 and a message that names the file, never with a crash or a partial success.
#include <gtest/gtest.h>

#include "tool_runner.h"

using namespace vdxml_tool_test;

namespace {
// Truncated in the middle of a point: not well-formed.
const char* const kMalformed =
    "<?xml version=\"1.0\"?>\n"
    "<Company xmlns=\"urn:vdxml:survey\">\n"
    "  <Application><Project><Name>Cut</Name>\n"
    "    <Pnt><Name>P1</Name>\n";

// The reading commands, each with the arguments that follow the file name.
const std::vector<std::vector<std::string>> kReaders = {{"info"},
                                                        {"dump"},
                                                        {"dump", "--json"},
                                                        {"export", "--to", "csv"},
                                                        {"export", "--to", "geojson"},
                                                        {"check"}};

std::vector<std::string> ReaderArgs(const std::vector<std::string>& reader,
                                    const std::string& file) {
    std::vector<std::string> args = {reader.front(), file};
    args.insert(args.end(), reader.begin() + 1, reader.end());
    return args;
}
}  // namespace

class ToolBadInput : public ToolTest {};

TEST_F(ToolBadInput, MissingFileFailsEveryReaderNamingTheFile) {
    const std::string missing = dir.file("no-such-survey.xml");
    for (const auto& reader : kReaders) {
        const ToolResult r = Run(ReaderArgs(reader, missing));
        EXPECT_EQ(r.exitCode, 1) << reader.front() << ": " << r.err;
        EXPECT_EQ(r.out, "") << reader.front();
        EXPECT_NE(r.err.find(missing), std::string::npos) << reader.front() << ": " << r.err;
    }
}

TEST_F(ToolBadInput, MalformedFileFailsEveryReaderNamingTheFile) {
    const std::string bad = WriteFile("truncated.xml", kMalformed);
    for (const auto& reader : kReaders) {
        const ToolResult r = Run(ReaderArgs(reader, bad));
        EXPECT_EQ(r.exitCode, 1) << reader.front() << ": " << r.err;
        EXPECT_EQ(r.out, "") << reader.front();
        EXPECT_NE(r.err.find(bad), std::string::npos) << reader.front() << ": " << r.err;
    }
}

TEST_F(ToolBadInput, CheckReportsTheLineWhereTheFileBreaks) {
    const std::string bad = WriteFile("mismatch.xml",
                                      "<?xml version=\"1.0\"?>\n<Company>\n<Pnt>\n</Crd>\n"
                                      "</Company>\n");
    const ToolResult r = Run({"check", bad});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind(bad + ":4: ", 0), 0u) << r.err;
}

TEST_F(ToolBadInput, CheckAcceptsWhatTheSampleWrites) {
    const std::string path = Sample(3);
    const ToolResult r = Run({"check", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, path + ": well-formed\n");
}

TEST_F(ToolBadInput, DumpRefusesAnIndexBeyondTheFile) {
    const std::string path = Sample(2);
    const std::size_t records = ReportedElements(path).size();
    const ToolResult r = Run({"dump", path, "--omit", std::to_string(records)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(path + ": no record at index " + std::to_string(records) +
                         " (the file has " + std::to_string(records) + ")"),
              std::string::npos)
        << r.err;
}

TEST_F(ToolBadInput, SampleIntoAMissingFolderFailsNamingTheFile) {
    for (const char* backEnd : {"--stream", "--dom"}) {
        const std::string target = dir.file("no-such-folder/survey.xml");
        const ToolResult r = Run({"sample", backEnd, "-o", target});
        EXPECT_EQ(r.exitCode, 1) << backEnd;
        EXPECT_NE(r.err.find(target + ": writing failed"), std::string::npos) << r.err;
    }
}

TEST_F(ToolBadInput, ExportIntoAMissingFolderFailsNamingTheOutput) {
    const std::string path = Sample(2);
    const std::string target = dir.file("no-such-folder/points.csv");
    const ToolResult r = Run({"export", path, "--to", "csv", "-o", target});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(target + ": cannot be written"), std::string::npos) << r.err;
}

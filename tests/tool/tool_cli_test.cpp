// The command line itself: help, version, unknown commands and every kind of usage error,
// each with its exit code and the stream it is reported on.
#include <gtest/gtest.h>

#include "tool_runner.h"

using namespace vdxml_tool_test;

namespace {
const char* const kCommands[] = {"sample", "info", "dump", "export", "check"};
}

class ToolCli : public ToolTest {};

TEST_F(ToolCli, WithoutCommandTheUsageGoesToStandardErrorWithExitCode2) {
    const ToolResult r = Run({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("Usage: vdxml COMMAND", 0), 0u) << r.err;
}

TEST_F(ToolCli, HelpListsEveryCommandOnStandardOutput) {
    for (const char* option : {"--help", "-h"}) {
        const ToolResult r = Run({option});
        EXPECT_EQ(r.exitCode, 0) << option;
        EXPECT_EQ(r.err, "") << option;
        for (const char* command : kCommands)
            EXPECT_NE(r.out.find(std::string("  ") + command + " "), std::string::npos)
                << option << " does not list " << command;
    }
}

TEST_F(ToolCli, EachCommandHasItsOwnHelp) {
    for (const char* command : kCommands) {
        for (const char* option : {"--help", "-h"}) {
            const ToolResult r = Run({command, option});
            EXPECT_EQ(r.exitCode, 0) << command << " " << option;
            EXPECT_EQ(r.out.rfind(std::string("Usage: vdxml ") + command + " ", 0), 0u) << r.out;
        }
    }
}

TEST_F(ToolCli, VersionIsTheProjectVersion) {
    const ToolResult r = Run({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, std::string("vdxml ") + VDXML_TOOL_VERSION + "\n");
}

TEST_F(ToolCli, UnknownCommandIsAUsageError) {
    const ToolResult r = Run({"convert", "x.xml"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("unknown command 'convert'"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

struct UsageCase {
    std::vector<std::string> args;
    std::string message;  ///< a part of the message on standard error
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    for (const std::string& arg : c.args) *os << "'" << arg << "' ";
}

class ToolUsage : public ToolTest, public ::testing::WithParamInterface<UsageCase> {};

// A usage error writes nothing (no output file, nothing on standard output), names the
// problem and points at the command's help.
TEST_P(ToolUsage, ExitsWith2AndPointsAtTheCommandsHelp) {
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args)
        if (arg == "OUT") arg = dir.file("out.xml");
    const ToolResult r = Run(args);
    EXPECT_EQ(r.exitCode, 2) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Try 'vdxml " + args.front() + " --help'"), std::string::npos) << r.err;
    EXPECT_EQ(vdxml_test::ReadBytes(dir.file("out.xml")), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolUsage,
    ::testing::Values(
        UsageCase{{"sample"}, "no output file given"},
        UsageCase{{"sample", "-o"}, "-o needs a value"},
        UsageCase{{"sample", "-o", "OUT", "--points", "0"}, "--points takes a whole number"},
        UsageCase{{"sample", "-o", "OUT", "--points", "100000001"}, "from 1 to 100000000"},
        UsageCase{{"sample", "-o", "OUT", "--points", "12x"}, "--points takes a whole number"},
        UsageCase{{"sample", "-o", "OUT", "--points", ""}, "--points takes a whole number"},
        UsageCase{{"sample", "-o", "OUT", "--points"}, "--points needs a value"},
        UsageCase{{"sample", "-o", "OUT", "--fast"}, "unexpected argument '--fast'"},
        UsageCase{{"info"}, "no FILE given"},
        UsageCase{{"info", "a.xml", "b.xml"}, "unexpected argument 'b.xml'"},
        UsageCase{{"info", "--verbose", "a.xml"}, "unexpected argument '--verbose'"},
        UsageCase{{"dump"}, "no FILE given"},
        UsageCase{{"dump", "a.xml", "--omit", "-1"}, "--omit takes a whole number"},
        UsageCase{{"dump", "a.xml", "--omit", "first"}, "--omit takes a whole number"},
        UsageCase{{"dump", "a.xml", "--omit"}, "--omit needs a value"},
        UsageCase{{"export", "a.xml"}, "--to takes csv or geojson"},
        UsageCase{{"export", "a.xml", "--to", "kml"}, "--to takes csv or geojson"},
        UsageCase{{"export", "--to", "csv"}, "no FILE given"},
        UsageCase{{"export", "a.xml", "--to", "csv", "-o"}, "-o needs a value"},
        UsageCase{{"check"}, "no FILE given"},
        UsageCase{{"check", "a.xml", "b.xml"}, "unexpected argument 'b.xml'"}),
    [](const ::testing::TestParamInfo<UsageCase>& info) {
        return info.param.args.front() + std::to_string(info.index);
    });

#include "tool_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "support/xml_tree.h"

namespace vdxml_tool_test {
namespace {
// The argument in single quotes for /bin/sh, quotes inside it escaped.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The element names the reader turns into records.
const std::set<std::string>& ReportedNames() {
    static const std::set<std::string> names = {"Company",
                                                "Project",
                                                "Pnt",
                                                "Crd",
                                                "DCrd",
                                                "CoordinateSystem",
                                                "TrfResidual",
                                                "TpsSetup",
                                                "TpsSetupDetails",
                                                "TpsObsSet",
                                                "Ref",
                                                "Rov",
                                                "GpsBl",
                                                "ThematicalCode",
                                                "ThematicalAttr"};
    return names;
}

void Collect(const vdxml_test::XmlTree& node, int depth, std::vector<ReportedElement>& out) {
    const bool reported = ReportedNames().count(node.name) != 0;
    if (reported) out.push_back({node.name, depth});
    for (const vdxml_test::XmlTree& child : node.children)
        Collect(child, reported ? depth + 1 : depth, out);
}
}  // namespace

void ToolTest::SetUp() {
    if (std::string(VDXML_TOOL_PATH).empty()) GTEST_SKIP() << "built without the vdxml tool";
}

ToolResult ToolTest::Run(const std::vector<std::string>& args) const {
    const std::string errFile = dir.file("stderr.txt");
    std::string command = Quoted(VDXML_TOOL_PATH);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " 2>" + Quoted(errFile);

    ToolResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return result;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = vdxml_test::ReadBytes(errFile);
    return result;
}

std::string ToolTest::Sample(long long points, const std::string& backEnd) {
    const std::string path =
        dir.file("sample-" + backEnd.substr(2) + "-" + std::to_string(points) + ".xml");
    const ToolResult r = Run({"sample", backEnd, "--points", std::to_string(points), "-o", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, path + ": " + std::to_string(points) + " points written\n");
    return path;
}

std::string ToolTest::WriteFile(const std::string& name, const std::string& text) const {
    const std::string path = dir.file(name);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        ADD_FAILURE() << "cannot write " << path;
        return path;
    }
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return path;
}

std::vector<ReportedElement> ReportedElements(const std::string& path) {
    std::vector<ReportedElement> out;
    Collect(vdxml_test::LoadXmlTree(path), 0, out);
    return out;
}

std::map<std::string, long long> CountReported(const std::string& path) {
    std::map<std::string, long long> counts;
    for (const ReportedElement& e : ReportedElements(path)) ++counts[e.name];
    return counts;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace vdxml_tool_test

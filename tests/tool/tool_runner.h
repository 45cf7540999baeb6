// Running the built vdxml program from a test: its exit code and both output streams, sample
// files written by it, and the elements a file holds as libxml2 sees them.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace vdxml_tool_test {

struct ToolResult {
    int exitCode = -1;  ///< the program's exit status; -1 when it did not exit normally
    std::string out;    ///< standard output
    std::string err;    ///< standard error
};

/// One element of a file that the reader reports, in document order, with the number of
/// reported elements enclosing it.
struct ReportedElement {
    std::string name;
    int depth;
};

/// A test with a scratch folder that runs the tool; skipped when the build has no tool.
class ToolTest : public ::testing::Test {
  protected:
    void SetUp() override;

    /// Runs the tool with args (each passed as one argument, never through a shell's eyes).
    ToolResult Run(const std::vector<std::string>& args) const;
    /// Writes a sample survey of points with the back end option ("--stream" or "--dom")
    /// into the scratch folder; fails the test unless the tool succeeds.
    std::string Sample(long long points, const std::string& backEnd = "--stream");
    /// Writes text into the scratch folder.
    std::string WriteFile(const std::string& name, const std::string& text) const;

    vdxml_test::TempDir dir;
};

/// The elements of the file at path whose names the reader reports, in pre-order, straight
/// from libxml2.
std::vector<ReportedElement> ReportedElements(const std::string& path);
/// How often each reported name occurs in the file.
std::map<std::string, long long> CountReported(const std::string& path);
/// The lines of text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace vdxml_tool_test

// The two commands as users run them: exit status, where the document and the summary go, and
// what is left of an older output when the input is bad.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "support/golden.h"
#include "support/test_files.h"

namespace {

using namespace vdxml_test;

struct Result {
    int exit = -1;
    std::string out, err;
};

class LandXmlTool : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string(VDXML_TOOL_PATH).empty()) GTEST_SKIP() << "built without the tool";
        ASSERT_EQ(Run({"sample", "-o", sample, "--points", "12"}).exit, 0);
    }
    Result Run(const std::vector<std::string>& args) const {
        std::string command = "'" VDXML_TOOL_PATH "'";
        for (const std::string& arg : args) command += " '" + arg + "'";
        const std::string out = dir.file("out"), err = dir.file("err");
        const int status = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
    }
    TempDir dir;
    std::string sample = dir.file("sample.xml");
};

TEST_F(LandXmlTool, ExportToStandardOutputKeepsTheSummaryApart) {
    const Result r = Run({"export", sample, "--to", "landxml"});
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.out.rfind("<?xml", 0), 0u);
    EXPECT_NE(r.out.find("</LandXML>"), std::string::npos);
    EXPECT_EQ(r.err.rfind("exported 12 points, 1 setups, 3 observations, 1 baselines;", 0), 0u)
        << r.err;
}

TEST_F(LandXmlTool, ImportWritesTheFileAndTellsWhatItSkipped) {
    const std::string landxml = dir.file("s.landxml"), back = dir.file("back.xml");
    ASSERT_EQ(Run({"export", sample, "--to", "landxml", "-o", landxml}).exit, 0);
    const Result r = Run({"import", landxml, "-o", back, "--dom"});
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.out.rfind("imported 12 points, 1 setups, 3 observations, 0 baselines; "
                          "3 elements skipped\n",
                          0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("2 skipped: LandXML element \"GPSSetup\""), std::string::npos);
    const Result validation = Run({"validate", back});
    EXPECT_EQ(validation.exit, 0) << validation.out << validation.err;
}

struct CommandCase {
    std::vector<std::string> args;
    int exit;
    const char* message;  // part of standard error
};

TEST_F(LandXmlTool, BadCommandsAndInputs) {
    const std::string older = WriteBytes(dir.file("older.xml"), "older");
    const std::string garbage = WriteBytes(dir.file("garbage.landxml"), "<LandXML");
    const CommandCase cases[] = {
        {{"import", garbage}, 2, "-o OUT is required"},
        {{"import", garbage, "-o", older}, 1, "cannot be imported from LandXML"},
        {{"import", sample, "-o", older}, 1, "not \"LandXML\""},
        {{"import", dir.file("none.landxml"), "-o", older}, 1, "cannot be read"},
        {{"export", garbage, "--to", "landxml", "-o", older}, 1, "cannot be exported"},
        {{"export", sample, "--to", "kml"}, 2, "csv, geojson or landxml"},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const Result r = Run(c.args);
        EXPECT_EQ(r.exit, c.exit);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(older), "older");
    }
}

}  // namespace

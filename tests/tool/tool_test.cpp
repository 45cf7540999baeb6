// The vdxml program as its users run it: each command once on the sample it writes, checked
// against the file itself and the positions the sample writer generates; usage errors and bad
// input in one table.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "sample_parts.h"
#include "support/document_fixture.h"
#include "support/golden.h"

namespace {

using namespace vdxml_test;
using json = nlohmann::ordered_json;
using Strings = std::vector<std::string>;

struct Result {
    int exit = -1;
    std::string out, err;
};

Strings Lines(const std::string& text) {
    Strings lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class Tool : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string(VDXML_TOOL_PATH).empty()) GTEST_SKIP() << "built without the tool";
        const Result r = Run({"sample", "-o", sample, "--points", "45"});
        ASSERT_EQ(r.out, sample + ": 45 points written\n") << r.err;
    }
    // Runs the tool, each argument quoted for the shell.
    Result Run(const Strings& args) const {
        std::string command = "'" VDXML_TOOL_PATH "'";
        for (const std::string& arg : args) command += " '" + arg + "'";
        const std::string out = dir.file("out"), err = dir.file("err");
        const int status = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
    }
    json Dump(Strings extra = {}) const {
        extra.insert(extra.begin(), {"dump", sample, "--json"});
        return json::parse(Run(extra).out);
    }
    TempDir dir;
    std::string sample = dir.file("sample.xml");
};

// Each case's message is looked for on standard output after success, else on standard error
// with nothing on standard output.
TEST_F(Tool, ExitCodesAndMessages) {
    const std::string missing = dir.file("missing.xml"), nowhere = dir.file("no/out.xml");
    const std::string bad = WriteBytes(dir.file("bad.xml"), "<Company>\n<Pnt>\n\n</Crd>\n");
    // Out of order for the streamed read (a root entry after a nested element) and cut short.
    const std::string cut =
        WriteBytes(dir.file("cut.xml"), "<Company><Name>x</Name><Project>\n<Name>p</Name>");
    const std::string prefixed = WriteBytes(
        dir.file("prefixed.xml"), "<v:Company xmlns:v='urn:x'><v:Name>A</v:Name></v:Company>");
    const std::string other = WriteBytes(dir.file("other.xml"), "<Other><Pnt/></Other>");
    const std::string none = ": no survey element the readers can see: ";
    const std::tuple<Strings, int, std::string> cases[] = {
        {{}, 2, "Usage: vdxml COMMAND"},
        {{"-h"}, 0, "  export   the points"},
        {{"sample", "--help"}, 0, "Usage: vdxml sample -o FILE"},
        {{"convert"}, 2, "unknown command 'convert'"},
        {{"check", sample}, 0, sample + ": well-formed\n"},
        {{"sample"}, 2, "no output file given"},
        {{"sample", "-o"}, 2, "-o needs a value"},
        {{"sample", "-o", nowhere, "--points", "0"}, 2, "a whole number from 1 to 100000000"},
        {{"sample", "-o", nowhere, "--fast"}, 2, "unexpected argument '--fast'"},
        {{"sample", "--help"}, 0, "  --codepage NAME     the code page every text passes"},
        {{"sample", "-o", nowhere, "--codepage", "koi8-r"}, 2, "unknown code page 'koi8-r'"},
        {{"sample", "-o", nowhere, "--codepage"}, 2, "--codepage needs a value"},
        {{"sample", "-o", dir.file("utf8.xml"), "--codepage", "UTF-8"}, 0, "10 points written"},
        {{"info"}, 2, "no FILE given"},
        {{"info", "a.xml", "b.xml"}, 2, "unexpected argument 'b.xml'"},
        {{"export", "a.xml", "--to", "kml"}, 2, "--to takes csv, geojson or landxml"},
        {{"info", missing}, 1, "vdxml: " + missing + ": no such file\n"},
        {{"info", dir.path()}, 1, "vdxml: " + dir.path() + ": is a directory, not a survey file"},
        {{"dump", bad, "--json"},
         1,
         "vdxml: " + bad + ":4: not well-formed XML: Opening and ending tag mismatch: Pnt line 2"},
        {{"export", bad, "--to", "geojson"}, 1, "vdxml: " + bad + ":4: not well-formed XML: "},
        {{"dump", prefixed},
         1,
         "vdxml: " + prefixed + ":1" + none + "element \"v:Company\" has the namespace prefix"},
        {{"info", prefixed}, 1, "vdxml: " + prefixed + ":1" + none},
        {{"export", other, "--to", "csv"},
         1,
         "vdxml: " + other + ":1" + none + "the root element is \"Other\"; a survey file's root " +
             "element is \"Company\"; 'vdxml validate " + other + "' lists every problem\n"},
        {{"check", prefixed}, 0, prefixed + ": well-formed\n"},
        {{"validate"}, 2, "no FILE given"},
        {{"validate", sample, "--all"}, 2, "unexpected argument '--all'"},
        {{"validate", "--help"}, 0, "Usage: vdxml validate FILE... [--json]"},
        {{"validate", sample}, 0, sample + ": valid, "},
        {{"check", bad}, 1, bad + ":4: "},
        {{"info", cut}, 1, cut + ":2: not well-formed XML: "},
        {{"check", missing}, 1, missing + ":0: cannot open the file"},
        {{"check", dir.path()}, 1, dir.path() + ":0: cannot read the file"},
        {{"dump", sample, "--omit", "9999"}, 1, "no record at index 9999 (the file has "},
        {{"sample", "--dom", "-o", nowhere},
         1,
         "vdxml: " + nowhere + ": writing failed: no such file or folder"},
        {{"sample", "--stream", "-o", nowhere},
         1,
         "vdxml: " + nowhere + ": writing failed: no such file or folder"},
        {{"export", sample, "--to", "csv", "-o", nowhere}, 1, nowhere + ": cannot be written"},
        {{"import", sample}, 2, "-o OUT is required"},
        {{"import", sample, "-o", nowhere, "--codepage", "koi8-r"},
         2,
         "unknown code page 'koi8-r'"},
        {{"import", bad, "-o", nowhere}, 1, "vdxml: " + bad + ": cannot be imported from LandXML"},
        {{"import", sample, "-o", nowhere}, 1, "not \"LandXML\""},
        {{"import", missing, "-o", nowhere}, 1, "cannot be read: "},
        {{"export", bad, "--to", "landxml", "-o", nowhere}, 1, "cannot be exported to LandXML"},
    };
    for (const auto& [args, exit, message] : cases) {
        const Result r = Run(args);
        EXPECT_EQ(r.exit, exit) << message << r.err;
        EXPECT_NE((exit ? r.err : r.out).find(message), std::string::npos) << r.err;
        EXPECT_TRUE(exit == 0 || r.out.empty()) << message;
        EXPECT_TRUE(exit != 2 || args.empty() || r.err.find("Try 'vdxml ") != std::string::npos);
    }
}

long long CountElements(const XmlTree& tree) {
    long long n = 1;
    for (const XmlTree& child : tree.children) n += CountElements(child);
    return n;
}

// validate: each problem of each file on a line of its own, then a line per file; exit 1 when
// one is not valid. --json says the same to programs.
TEST_F(Tool, ValidateReportsEachFile) {
    std::string text = ReadBytes(TestDataDir() + "/golden/io/sample.xml");
    const auto lineOf = [&](const std::string& part) {
        return std::to_string(std::count(text.begin(), text.begin() + text.find(part), '\n') + 1);
    };
    const std::string comma = lineOf("<E>2600000.0"), code = lineOf("<Cl>8<");
    for (const auto& [from, to] :
         std::map<std::string, std::string>{{">masked<", ">2025-11-21T06:00:00.0000<"},
                                            {"<E>2600000.00000<", "<E>2600000,5<"},
                                            {"<Cl>8<", "<Cl>9<"}})
        text.replace(text.find(from), from.size(), to);
    const std::string broken = WriteBytes(dir.file("broken.xml"), text);
    const std::string missing = dir.file("missing.xml");
    const std::string elements = std::to_string(CountElements(LoadXmlTree(sample)));

    const Result r = Run({"validate", broken, sample, missing});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(
        Lines(r.out),
        (Strings{broken + ":" + comma +
                     ": element \"ENH\": \"E\" must be a decimal number such as -12.345 "
                     "(with a point; no comma, no exponent), found \"2600000,5\"",
                 broken + ":" + code +
                     ": element \"Pnt\": \"Cl\" must be one of the codes 1 to 8, found \"9\" "
                     "(point \"P1\")",
                 broken + ": not valid, 2 problems", sample + ": valid, " + elements + " elements",
                 missing + ": cannot open the file: No such file or directory",
                 missing + ": not validated"}));

    const json report = json::parse(Run({"validate", "--json", broken, sample}).out);
    EXPECT_EQ(report["valid"], false);
    ASSERT_EQ(report["files"].size(), 2u);
    EXPECT_EQ(report["files"][0]["file"], broken);
    EXPECT_EQ(report["files"][0]["valid"], false);
    EXPECT_EQ(report["files"][0]["findings"].size(), 2u);
    EXPECT_EQ(report["files"][0]["findings"][1]["line"], std::stoi(code));
    EXPECT_EQ(report["files"][0]["findings"][1]["kind"], "value");
    EXPECT_EQ(report["files"][1]["valid"], true);
    EXPECT_EQ(report["files"][1]["elements"], std::stoll(elements));
    EXPECT_EQ(report["files"][1]["findings"], json::array());
}

// The reported elements of a file in document order with the number of reported elements
// around them, straight from the XML.
void Reported(const XmlTree& node, const std::map<std::string, long long>& kinds, int depth,
              std::vector<std::pair<const XmlTree*, int>>& out) {
    const bool reported = kinds.count(node.name) != 0;
    if (reported) out.push_back({&node, depth});
    for (const XmlTree& child : node.children) Reported(child, kinds, depth + reported, out);
}

// info counts each kind of record as the file holds it; dump --json lists the records in
// document order, with and without branches left out.
TEST_F(Tool, InfoAndDumpDescribeTheFile) {
    std::map<std::string, long long> counts, inFile;  // the "Elements:" block of info
    for (const std::string& line : Lines(Run({"info", sample}).out))
        if (line.rfind("  ", 0) == 0)
            counts[line.substr(2, line.find(' ', 2) - 2)] =
                std::stoll(line.substr(line.rfind(' ')));
    const XmlTree tree = LoadXmlTree(sample);
    std::vector<std::pair<const XmlTree*, int>> elements;
    Reported(tree, counts, 0, elements);
    for (const auto& element : elements) ++inFile[element.first->name];
    EXPECT_EQ(counts, inFile);
    EXPECT_EQ(counts.size(), 15u) << "the sample holds every kind of record";

    const json all = Dump();
    ASSERT_EQ(all.size(), elements.size());
    int point = 0, system = 0;  // the first point, the coordinate system
    for (std::size_t i = 0; i < all.size(); ++i) {
        const XmlTree& element = *elements[i].first;
        if (element.name == "Pnt" && point == 0) point = static_cast<int>(i);
        if (element.name == "CoordinateSystem") system = static_cast<int>(i);
        EXPECT_EQ(all[i]["index"], i);
        EXPECT_EQ(all[i]["kind"], element.name);
        EXPECT_EQ(all[i]["depth"], elements[i].second);
        EXPECT_TRUE(element.name != "Pnt" || all[i]["fields"]["Name"] == element.childText("Name"));
    }
    // --omit leaves out each record named with everything below it; the rest keep their indices.
    const int last = static_cast<int>(all.size()) - 1;
    const std::vector<std::set<int>> omissions = {{point}, {system + 1, system, last}, {0}};
    for (const std::set<int>& omit : omissions) {
        std::vector<json> expected;
        int skipBelow = -1;  // the depth of the branch being left out
        for (const json& row : all) {
            if (skipBelow >= 0 && row["depth"] > skipBelow) continue;
            skipBelow = omit.count(row["index"]) ? row["depth"].get<int>() : -1;
            if (skipBelow < 0) expected.push_back(row);
        }
        Strings args;
        for (int index : omit) args.insert(args.end(), {"--omit", std::to_string(index)});
        EXPECT_EQ(Dump(args), json(expected));
    }
}

// CSV and GeoJSON hold each project point with the position the sample writer generated.
TEST_F(Tool, ExportGivesTheGeneratedPositions) {
    const json features = json::parse(Run({"export", sample, "--to", "geojson"}).out)["features"];
    const Strings lines = Lines(Run({"export", sample, "--to", "csv"}).out);
    ASSERT_EQ(lines.size(), 46u);
    ASSERT_EQ(features.size(), 45u);
    EXPECT_EQ(lines[0],
              "name,easting,northing,orthometric_height,latitude,longitude,ellipsoidal_height");
    using vdxml_cli::sample::kGeoidSeparation;
    constexpr double kDegrees = 180 / vdxml_cli::sample::kPi;
    for (int i = 0; i < 45; ++i) {
        const vdxml_cli::SamplePosition p = vdxml_cli::SamplePointPosition(i);
        std::istringstream row(lines[i + 1]);
        Strings cells;
        for (std::string cell; std::getline(row, cell, ',');) cells.push_back(cell);
        const json &properties = features[i]["properties"],
                   &position = features[i]["geometry"]["coordinates"];
        ASSERT_EQ(cells.size(), 7u);
        EXPECT_EQ(cells[0], "P" + std::to_string(i + 1));
        EXPECT_EQ(properties["name"], cells[0]);
        // CSV column, GeoJSON value, generated value, tolerance (the decimals of the CSV)
        const std::tuple<int, double, double, double> values[] = {
            {1, properties["easting"], p.east, 6e-5},
            {2, properties["northing"], p.north, 6e-5},
            {3, properties["orthometric_height"], p.height - kGeoidSeparation, 6e-5},
            {4, position[1], p.lat * kDegrees, 1e-9},
            {5, position[0], p.lon * kDegrees, 1e-9},
            {6, position[2], p.height, 6e-5}};
        for (const auto& [column, exported, generated, tolerance] : values) {
            EXPECT_NEAR(std::stod(cells[column]), generated, tolerance) << lines[i + 1];
            EXPECT_NEAR(exported, generated, tolerance) << features[i];
        }
    }
}

// LandXML: the document on standard output and the summary apart from it; the import's
// file valid, its summary naming what it skipped.
TEST_F(Tool, LandXmlExportAndImport) {
    const Result out = Run({"export", sample, "--to", "landxml"});
    EXPECT_EQ(out.exit, 0) << out.err;
    EXPECT_EQ(out.out.rfind("<?xml", 0), 0u);
    EXPECT_NE(out.out.find("</LandXML>"), std::string::npos);
    EXPECT_EQ(out.err.rfind("exported 45 points, 1 setups, 3 observations, 1 baselines;", 0), 0u)
        << out.err;

    const std::string landxml = WriteBytes(dir.file("s.landxml"), out.out);
    const std::string back = dir.file("back.xml");
    const Result in = Run({"import", landxml, "-o", back, "--dom"});
    EXPECT_EQ(in.exit, 0) << in.err;
    EXPECT_EQ(in.out.rfind("imported 45 points, 1 setups, 3 observations, 0 baselines; "
                           "3 elements skipped\n",
                           0),
              0u)
        << in.out;
    EXPECT_NE(in.out.find("2 skipped: LandXML element \"GPSSetup\""), std::string::npos);
    const Result validation = Run({"validate", back});
    EXPECT_EQ(validation.exit, 0) << validation.out << validation.err;
}

}  // namespace

// The validator against what the library writes and against files broken on purpose: the
// sample survey through both back ends is valid; the golden files of every element family are
// valid except where their cases record a refused write (the findings are golden files too);
// each edit of a corpus made from the pretty-printed sample is reported once, of its kind, at
// its line, in its words.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

#include "sample_survey.h"
#include "support/findings.h"
#include "support/golden.h"
#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/validator.h"

namespace {

using namespace vdxml_test;
using F = VDXML_FINDING;

long long CountElements(const XmlTree& tree) {
    long long n = 1;
    for (const XmlTree& child : tree.children) n += CountElements(child);
    return n;
}

// The 1-based line of the first occurrence of text in content.
long LineOf(const std::string& content, const std::string& text) {
    const std::size_t at = content.find(text);
    if (at == std::string::npos) return 0;
    return 1 + static_cast<long>(std::count(content.begin(), content.begin() + at, '\n'));
}

std::string Replaced(std::string content, const std::string& find, const std::string& by) {
    const std::size_t at = content.find(find);
    if (at != std::string::npos) content.replace(at, find.size(), by);
    return content;
}

// A golden file as the library wrote it, line for line: "FileCreated" a date again, and what a
// test wrote straight below "Application" (a case of a family, an element named after the
// case, or an element of a reported kind written back from its record) put in the elements a
// survey has around it.
std::string AsWritten(const std::string& golden) {
    const std::string project = "<Project><Name>{}</Name>", point = "<Pnt><Name>{}</Name>";
    const std::map<std::string, std::pair<std::string, std::string>> around = {
        {"Ref", {project + point + "<Gps>", "</Gps></Pnt></Project>"}},
        {"Rov", {project + point + "<Gps>", "</Gps></Pnt></Project>"}},
        {"GpsBl", {project + point + "<Gps>", "</Gps></Pnt></Project>"}},
        {"Pnt", {project, "</Project>"}},
        {"TpsSetup", {project, "</Project>"}},
        {"Stakeout", {project, "</Project>"}},
        {"ThematicalCode", {project, "</Project>"}},
        {"ThematicalCodelist", {project, "</Project>"}},
        {"TpsObsSet",
         {project + "<TpsSetup><Instrument><Type>{}</Type></Instrument>", "</TpsSetup></Project>"}},
        {"ThematicalAttrDesc",
         {project + "<ThematicalCodelist><ThematicalCode><Name>{}</Name>",
          "</ThematicalCode></ThematicalCodelist></Project>"}},
        {"ThematicalAttr",
         {project + point + "<ThematicalCode><Name>{}</Name>",
          "</ThematicalCode></Pnt></Project>"}},
    };
    const auto named = [](const std::string& open, const std::string& name) {
        return std::regex_replace(open, std::regex("\\{\\}"), name);
    };
    const std::regex tag("    <(/?)(\\w+)(/?)>"), firstTag("\\s*<(\\w+).*");
    std::vector<std::string> lines;
    std::istringstream in(Replaced(golden, ">masked<", ">2025-11-21T06:00:00.0000<"));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::map<std::string, std::string> caseEnd, kindEnd;  // what ends a case, a kind
    std::smatch m, next;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!std::regex_match(lines[i], m, tag)) continue;
        const std::string name = m[2];
        if (m[1] == "/") {
            if (caseEnd.count(name)) lines[i] = caseEnd[name];
            if (kindEnd.count(name)) lines[i] += kindEnd[name];
        } else if (m[3] == "/") {
            if (name != "Project" && name != "CoordinateSystem") lines[i].clear();  // no case
        } else if (around.count(name)) {
            lines[i] = named(around.at(name).first, name) + lines[i];
            kindEnd[name] = around.at(name).second;
        } else if (name != "Project" && name != "CoordinateSystem" && i + 1 < lines.size() &&
                   std::regex_match(lines[i + 1], next, firstTag) && around.count(next[1])) {
            lines[i] = named(around.at(next[1]).first, name);
            caseEnd[name] = around.at(next[1]).second;
        }
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// text against the golden file golden/validation/name; VDXML_UPDATE_GOLDEN=1 rewrites it.
void ExpectGoldenText(const std::string& text, const std::string& name) {
    const std::string expected = TestDataDir() + "/golden/validation/" + name;
    const char* update = std::getenv("VDXML_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") WriteBytes(expected, text);
    EXPECT_EQ(text, ReadBytes(expected)) << expected;
}

// Every file the library writes: the sample survey, every element kind it has, through both
// back ends and at several sizes; the count of elements is the file's.
TEST(Validation, TheSampleSurveyIsValid) {
    TempDir dir;
    CVdXmlValidator validator;
    for (const IVdXmlDoc::enmDocType backEnd : {IVdXmlDoc::DOCTYPE_STREAM, IVdXmlDoc::DOCTYPE_DOM})
        for (const long long points : {1, 4, 45}) {
            const std::string path = dir.file("sample.xml");
            ASSERT_EQ(vdxml_cli::WriteSampleSurvey({path, backEnd, points}, nullptr), S_OK);
            std::vector<VDXML_FINDING> findings;
            EXPECT_EQ(validator.Validate(path.c_str(), findings), S_OK) << FindingsText(findings);
            EXPECT_EQ(validator.GetElementCount(), CountElements(LoadXmlTree(path)));
        }
}

// The golden files of every family as written (see AsWritten): their findings are golden
// too, under golden/validation, and empty but where a case's writer refused its record (the
// elements before the refusal stay), a test wrote entries of its own through the node writers,
// a cofactor was skipped as not set, or the record rewriter lost a container the readers do
// not report ("Gps", "Stakeout"). With VDXML_UPDATE_GOLDEN=1 they are rewritten.
TEST(Validation, GoldenFilesAreValidWhereTheirWritesSucceeded) {
    namespace fs = std::filesystem;
    TempDir dir;
    CVdXmlValidator validator;
    const fs::path golden = fs::path(TestDataDir()) / "golden";
    int files = 0;
    for (const char* family : {"base", "geometry", "io", "observations", "reading"})
        for (const fs::directory_entry& entry : fs::directory_iterator(golden / family)) {
            const std::string name = std::string(family) + "-" + entry.path().stem().string();
            SCOPED_TRACE(name);
            const std::string path =
                WriteBytes(dir.file(name + ".xml"), AsWritten(ReadBytes(entry.path().string())));
            std::vector<VDXML_FINDING> findings;
            validator.Validate(path.c_str(), findings);
            ExpectGoldenText(FindingsText(findings), name + ".txt");
            ++files;
        }
    EXPECT_EQ(files, 23);
}

// One edit of the pretty-printed sample each: the finding's kind, line (that of the edit,
// moved by offset) and words; count the number of findings the edit makes.
struct Edit {
    const char* name;
    std::function<std::string(const std::string&)> apply;
    std::string at;  // the text whose line the finding concerns, moved by offset
    int offset;
    F::enmKind kind;
    std::size_t count = 1;
};

std::function<std::string(const std::string&)> Replace(std::string find, std::string by) {
    return [find, by](const std::string& text) { return Replaced(text, find, by); };
}

TEST(Validation, EachBrokenFileIsReportedAtItsLine) {
    const std::string base =
        AsWritten(ReadBytes(TestDataDir() + "/golden/io/sample.xml"));  // pretty-printed
    const std::string epoch = "<Epoch dt:dt=\"datetime\">2025-11-21T12:00:00.0000</Epoch>";
    const std::string units =
        "<Linear>1</Linear>\n      <Angular>1</Angular>\n      <TimeSystem>2</TimeSystem>";
    const std::string code =
        "<Name>BM</Name>\n          <Type>1</Type>\n          <ThematicalAttr>";
    const Edit edits[] = {
        {"an element out of order",
         Replace("<Name>P1</Name>\n        <Cl>8</Cl>", "<Cl>8</Cl>\n        <Name>P1</Name>"),
         "<Name>P1</Name>\n        <Cl>", 0, F::KIND_STRUCTURE},
        {"an unknown element", Replace("<Cl>8</Cl>", "<Cl>8</Cl><Colour>red</Colour>"), "<Cl>8", 0,
         F::KIND_STRUCTURE},
        {"a required entry missing", Replace(units, ""), units, -1, F::KIND_STRUCTURE},
        {"a decimal with a comma", Replace("<E>2600000.00000</E>", "<E>2600000,5</E>"),
         "<E>2600000.00000</E>", 0, F::KIND_VALUE},
        {"a date that does not parse",
         Replace(epoch, "<Epoch dt:dt=\"datetime\">21.11.2025 12:00</Epoch>"), epoch, 0,
         F::KIND_VALUE},
        {"an out-of-range code", Replace("<Cl>8</Cl>", "<Cl>9</Cl>"), "<Cl>8", 0, F::KIND_VALUE},
        {"a prefixed namespace",
         [](const std::string& text) {
             return std::regex_replace(
                 std::regex_replace(text, std::regex("<(/?)([A-Z])"), "<$1v:$2"),
                 std::regex("xmlns="), "xmlns:v=");
         },
         "<Company", 0, F::KIND_NAMESPACE},
        {"a wrong root",
         [](const std::string& text) {
             return Replaced(Replaced(text, "<Company", "<Survey"), "</Company>", "</Survey>");
         },
         "<Company", 0, F::KIND_ROOT},
        {"a truncated file",
         [](const std::string& text) { return text.substr(0, text.find("<HO>403.7") + 9); },
         "<HO>403.7", 0, F::KIND_SYNTAX},
        {"a date-time entry without its mark",
         Replace(epoch, Replaced(epoch, " dt:dt=\"datetime\"", "")), epoch, 0, F::KIND_STRUCTURE},
        {"a day the calendar does not have", Replace(epoch, Replaced(epoch, "11-21", "02-30")),
         epoch, 0, F::KIND_VALUE},
        {"a quality without a cofactor", Replace("<Q12>0.00000640</Q12>", ""), "<Q12>0.0000064", -3,
         F::KIND_CONSISTENCY},
        {"a point code no code list defines", Replace(code, Replaced(code, "BM", "XX")), code, -1,
         F::KIND_CONSISTENCY},
        {"an attribute its code does not describe",
         Replace("<Name>Material</Name>\n            <Value>",
                 "<Name>Colour</Name>\n            <Value>"),
         "<Name>Material</Name>\n            <Value>", -4, F::KIND_CONSISTENCY},
        {"an attribute value not of its type",
         Replace("<Value>1.10000</Value>", "<Value>1,1</Value>"), "<Value>1.1", 0,
         F::KIND_CONSISTENCY},
        {"an averaging status without a status bit",
         Replace("<SHgt>6</SHgt>", "<SHgt>6</SHgt><AvgStat>16</AvgStat>"), "<SHgt>6", 0,
         F::KIND_CONSISTENCY},
        {"an attribute the format does not have", Replace("<Pnt>", "<Pnt id=\"7\">"), "<Pnt>", 0,
         F::KIND_STRUCTURE},
        {"an element of another namespace", Replace("<Pnt>", "<Pnt xmlns=\"urn:other\">"), "<Pnt>",
         0, F::KIND_NAMESPACE, 2},
        {"text where only elements belong", Replace("<Pnt>", "<Pnt>loose text"), "<Pnt>", 0,
         F::KIND_STRUCTURE},
        {"an element where only text belongs",
         Replace("<Name>P1</Name>\n        <Cl>", "<Name>P1<b/></Name>\n        <Cl>"),
         "<Name>P1</Name>\n        <Cl>", 0, F::KIND_STRUCTURE},
        {"an empty name", Replace("<Name>P1</Name>\n        <Cl>", "<Name/>\n        <Cl>"),
         "<Name>P1</Name>\n        <Cl>", 0, F::KIND_VALUE},
        {"a version that is no number", Replace("<Major>1</Major>", "<Major>one</Major>"),
         "<Major>", 0, F::KIND_VALUE},
        {"an antenna model without a text", Replace("<AntType>2</AntType>", "<AntType>0</AntType>"),
         "<AntType>2", 0, F::KIND_VALUE},
        {"a time span that does not parse", Replace("P0DT0H3M0.0000S", "3 minutes"),
         "P0DT0H3M0.0000S", 0, F::KIND_VALUE},
        {"a computed mark other than c", Replace("<Sd1 vsrc=\"c\">", "<Sd1 vsrc=\"x\">"),
         "<Sd1 vsrc", 0, F::KIND_VALUE},
        {"a value its value type has not",
         Replace("<Value>Granite</Value>\n            <ValueType>4",
                 "<Value>Granite</Value>\n            <ValueType>2"),
         "<Value>Granite</Value>\n            <ValueType>4", 0, F::KIND_CONSISTENCY},
        {"no namespace at all", Replace(" xmlns=\"urn:vdxml:survey\"", ""), "", 0, F::KIND_FILE, 0},
    };
    TempDir dir;
    CVdXmlValidator validator;
    std::vector<VDXML_FINDING> findings;
    const std::string valid = WriteBytes(dir.file("valid.xml"), base);
    ASSERT_EQ(validator.Validate(valid.c_str(), findings), S_OK) << FindingsText(findings);
    std::string words;  // every edit's findings, as reviewed in the golden file
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.name);
        const std::string path = WriteBytes(dir.file("broken.xml"), edit.apply(base));
        const long hr = validator.Validate(path.c_str(), findings);
        EXPECT_EQ(hr, edit.count ? VDXML_E_INVALID : S_OK);
        ASSERT_EQ(findings.size(), edit.count) << FindingsText(findings);
        if (!edit.count) continue;
        const long line = LineOf(base, edit.at) + edit.offset;
        EXPECT_EQ(findings[0].kind, edit.kind);
        EXPECT_EQ(findings[0].line, line);
        words += std::string("# ") + edit.name + "\n" + FindingsText(findings);
    }
    ExpectGoldenText(words, "broken-edits.txt");
}

// Every problem of a file, not the first alone: as found (a project's codes are judged when it
// ends) and, collected, in file order.
TEST(Validation, EveryProblemIsReported) {
    std::string text = AsWritten(ReadBytes(TestDataDir() + "/golden/io/sample.xml"));
    const std::string code =
        "<Name>BM</Name>\n          <Type>1</Type>\n          <ThematicalAttr>";
    const long lines[] = {LineOf(text, "<E>2600000.0"), LineOf(text, code) - 1,
                          LineOf(text, "<Cl>4")};
    text = Replaced(
        Replaced(Replaced(text, "<E>2600000.00000<", "<E>1e3<"), code, Replaced(code, "BM", "XX")),
        "<Cl>4<", "<Cl>0<");
    TempDir dir;
    const std::string path = WriteBytes(dir.file("broken.xml"), text);
    struct Order : IVdXmlFindings {
        std::vector<long> lines;
        void OnFinding(const VDXML_FINDING& f) override { lines.push_back(f.line); }
    } found;
    CVdXmlValidator validator;
    EXPECT_EQ(validator.Validate(path.c_str(), found), VDXML_E_INVALID);
    EXPECT_EQ(found.lines, (std::vector<long>{lines[0], lines[2], lines[1]}));
    std::vector<VDXML_FINDING> collected;
    EXPECT_EQ(validator.Validate(path.c_str(), collected), VDXML_E_INVALID);
    std::vector<long> inFileOrder;
    for (const VDXML_FINDING& f : collected) inFileOrder.push_back(f.line);
    EXPECT_EQ(inFileOrder, (std::vector<long>{lines[0], lines[1], lines[2]}));
}

// Files that cannot be validated: the status says why, one finding says it in words.
TEST(Validation, FilesThatCannotBeRead) {
    TempDir dir;
    WriteBytes(dir.file("malformed.xml"), "<Company>\n<Name>A</Company>\n");
    const std::tuple<std::string, long, F::enmKind, long, std::string> cases[] = {
        {dir.file("missing.xml"), vdxml_detail::FromHresult(0x80070002u), F::KIND_FILE, 0,
         "cannot open the file: No such file or directory"},
        {dir.path(), vdxml_detail::FromHresult(0x80070005u), F::KIND_FILE, 0,
         "cannot read the file: Is a directory"},
        {dir.file("malformed.xml"), VDXML_E_INVALID, F::KIND_SYNTAX, 2,
         "not well-formed XML: opening and ending tag mismatch: Name line 2 and Company"},
    };
    CVdXmlValidator validator;
    for (const auto& [path, status, kind, line, message] : cases) {
        std::vector<VDXML_FINDING> findings;
        EXPECT_EQ(validator.Validate(path.c_str(), findings), status) << path;
        ASSERT_EQ(findings.size(), 1u) << FindingsText(findings);
        EXPECT_EQ(findings[0].kind, kind);
        EXPECT_EQ(findings[0].line, line);
        EXPECT_EQ(findings[0].message.utf8(), message);
    }
}

// The schema compiled into the library is the one the build installs.
TEST(Validation, TheLibraryHoldsTheInstalledSchema) {
    EXPECT_EQ(CVdXmlValidator::GetSchemaText(),
              ReadBytes(TestDataDir() + "/../../schema/vdxml.xsd"));
}

}  // namespace

// LandXML export and import. The export of the sample survey is checked against the records
// read back from the survey file itself (an independent oracle: libxml2 reads the LandXML,
// the library's reader the survey file); the import of hand-written LandXML files against
// golden files; the round trip survey -> LandXML -> survey -> LandXML for the mapped subset;
// bad input in one table.
#include <gtest/gtest.h>
#include <libxml/xmlschemas.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "sample_survey.h"
#include "support/findings.h"
#include "support/golden.h"
#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/vdxml.h"

namespace {

using namespace vdxml_test;

constexpr double kPi = 3.14159265358979323846;
const std::string kSchema = VDXML_LANDXML_SCHEMA;

// What the survey file holds of each project point and observation, read by the library.
struct SurveyRecords : CVdXmlRecordCallback {
    struct Point {
        VDXML_COORD coord;
        std::uint32_t pointClass = 0;
        int count = 0;
    };
    std::map<std::string, Point> points;
    std::vector<VDXML_TPS_OBSSET> observations;
    std::vector<VDXML_TPS_SETUP> setups;
    std::vector<std::int32_t> open;
    std::uint32_t linearUnit = 0;
    VDXML_VERSION version;
    long long differences = 0;  // coordinate differences outside GPS baselines

    int OnRecordOpen(VdXml::_CURRENCYTABLE& t, VDXML_BASE& r) override {
        const std::int32_t parent = open.empty() ? 0 : open.back();
        if (r.nType == VDXML_TYPE_ROOT) {
            linearUnit = static_cast<VDXML_ROOT&>(r).Units.Linear;
            version = static_cast<VDXML_ROOT&>(r).Version;
        }
        if (r.nType == VDXML_TYPE_DCOORD && parent != VDXML_TYPE_GPSBASELINE) ++differences;
        if (r.nType == VDXML_TYPE_POINT && parent == VDXML_TYPE_PROJECT) {
            Point& p = points[static_cast<VDXML_POINT&>(r).Name.utf8()];
            ++p.count;
            p.pointClass = t.pPoint->Class;
        } else if (r.nType == VDXML_TYPE_COORD && parent == VDXML_TYPE_POINT && open.size() == 3) {
            points[t.pPoint->Name.utf8()].coord = static_cast<VDXML_COORD&>(r);
        } else if (r.nType == VDXML_TYPE_TPS_OBSSET) {
            observations.push_back(static_cast<VDXML_TPS_OBSSET&>(r));
        } else if (r.nType == VDXML_TYPE_TPS_SETUP) {
            setups.push_back(static_cast<VDXML_TPS_SETUP&>(r));
        }
        open.push_back(r.nType);
        return 0;
    }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override {
        open.pop_back();
        return 0;
    }
};

SurveyRecords ReadRecords(const std::string& path) {
    SurveyRecords records;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&records);
    EXPECT_EQ(parser.ParseStream(path.c_str()), S_OK);
    return records;
}

double Attr(const XmlTree& node, const std::string& name) {
    const auto it = node.attrs.find(name);
    return it == node.attrs.end() ? std::nan("") : std::stod(it->second);
}

// Radians of an angle written in a LandXML angle unit (this test's own conversion).
double Radians(double value, const std::string& unit) {
    if (unit == "decimal degrees") return value * kPi / 180.0;
    if (unit == "grads") return value * kPi / 200.0;
    EXPECT_EQ(unit, "radians");
    return value;
}

// Whether path validates against the official schema; skips the calling test without it.
std::string SchemaErrors(const std::string& path) {
    xmlSchemaParserCtxtPtr parserContext = xmlSchemaNewParserCtxt(kSchema.c_str());
    xmlSchemaPtr schema = xmlSchemaParse(parserContext);
    xmlSchemaFreeParserCtxt(parserContext);
    if (!schema) return "schema not readable";
    xmlSchemaValidCtxtPtr context = xmlSchemaNewValidCtxt(schema);
    const int result = xmlSchemaValidateFile(context, path.c_str(), 0);
    xmlSchemaFreeValidCtxt(context);
    xmlSchemaFree(schema);
    return result == 0 ? "" : "does not validate (" + std::to_string(result) + ")";
}

bool HaveSchema() {
    struct stat info;
    return stat(kSchema.c_str(), &info) == 0;
}

class LandXml : public ::testing::Test {
  protected:
    void SetUp() override {
        vdxml_cli::SampleOptions options;
        options.file = survey;
        options.backEnd = IVdXmlDoc::DOCTYPE_STREAM;
        options.points = 45;
        ASSERT_EQ(vdxml_cli::WriteSampleSurvey(options, nullptr), S_OK);
    }
    TempDir dir;
    std::string survey = dir.file("sample.xml");
    std::string landxml = dir.file("sample.landxml");
};

TEST_F(LandXml, ExportCarriesEveryPointAndObservationInTheDeclaredUnits) {
    VDXML_LANDXML_SUMMARY summary;
    ASSERT_EQ(VdXml::ExportLandXml(survey.c_str(), landxml.c_str(), &summary), S_OK);
    const SurveyRecords records = ReadRecords(survey);
    const XmlTree doc = LoadXmlTree(landxml, true);
    EXPECT_EQ(doc.ns, "http://www.landxml.org/schema/LandXML-1.2");
    const XmlTree& units = doc.child("Units")->children.at(0);
    EXPECT_EQ(units.name, "Metric");
    const std::string angular = units.attrs.at("angularUnit");
    const std::string latLong = units.attrs.at("latLongAngularUnit");

    const XmlTree* cgPoints = doc.child("CgPoints");
    ASSERT_NE(cgPoints, nullptr);
    EXPECT_EQ(doc.count("CgPoints"), 1u);
    std::map<std::string, int> seen;
    for (const XmlTree& p : cgPoints->children) {
        const std::string name = p.attrs.at("name");
        ++seen[name];
        ASSERT_EQ(records.points.count(name), 1u) << name;
        const VDXML_COORD& c = records.points.at(name).coord;
        std::istringstream text(p.text);
        double n, e, z;
        ASSERT_TRUE(text >> n >> e >> z) << p.text;
        EXPECT_NEAR(n, c.LocalEnh.N, 1e-4) << name;
        EXPECT_NEAR(e, c.LocalEnh.E, 1e-4) << name;
        EXPECT_NEAR(z, c.LocalEnh.HO, 1e-4) << name;
        EXPECT_NEAR(Radians(Attr(p, "latitude"), latLong), c.Wgs84Llh.Lat, 1e-9 * kPi / 180)
            << name;
        EXPECT_NEAR(Radians(Attr(p, "longitude"), latLong), c.Wgs84Llh.Lon, 1e-9 * kPi / 180)
            << name;
        EXPECT_NEAR(Attr(p, "ellipsoidHeight"), c.Wgs84Llh.HE, 1e-4) << name;
        const bool control = records.points.at(name).pointClass == VDXML_PNT_CLASS_CONTROL;
        EXPECT_EQ(p.attrs.at("pntSurv"), control ? "control" : "sideshot") << name;
        EXPECT_FALSE(p.attrs.at("code").empty()) << name;
    }
    EXPECT_EQ(seen.size(), records.points.size());
    for (const auto& [name, count] : seen) EXPECT_EQ(count, 1) << name;
    EXPECT_EQ(summary.points, static_cast<long long>(records.points.size()));

    const XmlTree* surveyPart = doc.child("Survey");
    ASSERT_NE(surveyPart, nullptr);
    const XmlTree* setup = surveyPart->child("InstrumentSetup");
    ASSERT_NE(setup, nullptr);
    ASSERT_EQ(records.setups.size(), 1u);
    EXPECT_NEAR(Attr(*setup, "instrumentHeight"), records.setups[0].InstrHgt, 1e-5);
    EXPECT_NEAR(Radians(Attr(*setup, "orientationAzimuth"), units.attrs.at("directionUnit")),
                records.setups[0].InstrOrientation, 1e-9);
    ASSERT_EQ(setup->count("RawObservation"), records.observations.size());
    for (std::size_t i = 0; i < records.observations.size(); ++i) {
        const XmlTree& raw = *setup->child("RawObservation", i);
        const VDXML_TPS_OBSSET& obs = records.observations[i];
        EXPECT_NEAR(Radians(Attr(raw, "horizAngle"), angular), obs.Hz, 1e-9);
        EXPECT_NEAR(Radians(Attr(raw, "zenithAngle"), angular), obs.Zen, 1e-9);
        EXPECT_NEAR(Attr(raw, "slopeDistance"), obs.DistS, 1e-5);
        EXPECT_NEAR(Attr(raw, "targetHeight"), obs.Reflector.Hgt, 1e-5);
    }
    EXPECT_EQ(summary.observations, static_cast<long long>(records.observations.size()));
    EXPECT_EQ(surveyPart->count("GPSVector"), 1u);
    EXPECT_EQ(summary.baselines, 1);

    const XmlTree* application = doc.child("Application");
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(application->attrs.at("version"),
              std::to_string(records.version.Major) + "." + std::to_string(records.version.Minor));
    std::string messages;
    for (const _bstr_t& m : summary.messages) messages += m.utf8() + "\n";
    EXPECT_NE(messages.find(std::to_string(records.differences) +
                            " skipped: coordinate difference (DCrd)\n"),
              std::string::npos)
        << messages;
}

// The root's date and time are those of the export, in UTC.
// A write that fails half-way (a full disk) fails the export with the system's reason.
TEST_F(LandXml, ExportToAFullDiskFails) {
    VDXML_LANDXML_SUMMARY summary;
    EXPECT_EQ(VdXml::ExportLandXml(survey.c_str(), "/dev/full", &summary), HRESULT_FROM_WIN32(112));
    EXPECT_FALSE(summary.messages.empty());
}

TEST_F(LandXml, ExportValidatesAgainstTheOfficialSchema) {
    if (!HaveSchema()) GTEST_SKIP() << "no LandXML schema at " << kSchema;
    ASSERT_EQ(VdXml::ExportLandXml(survey.c_str(), landxml.c_str()), S_OK);
    EXPECT_EQ(SchemaErrors(landxml), "");
}

// The mapped subset of a LandXML document: without the root's time of writing and without
// GPS setups and vectors, which the import does not take.
XmlTree MappedSubset(const std::string& path) {
    XmlTree doc = LoadXmlTree(path, true);
    doc.attrs.erase("date");
    doc.attrs.erase("time");
    for (XmlTree& part : doc.children) {
        std::vector<XmlTree> kept;
        for (XmlTree& child : part.children)
            if (child.name != "GPSSetup" && child.name != "GPSVector") kept.push_back(child);
        part.children = kept;
    }
    return doc;
}

TEST_F(LandXml, RoundTripKeepsTheMappedSubsetThroughBothBackEnds) {
    ASSERT_EQ(VdXml::ExportLandXml(survey.c_str(), landxml.c_str()), S_OK);
    for (const auto backEnd : {IVdXmlDoc::DOCTYPE_STREAM, IVdXmlDoc::DOCTYPE_DOM}) {
        const std::string back = dir.file("back.xml"), again = dir.file("again.landxml");
        VDXML_LANDXML_SUMMARY in;
        ASSERT_EQ(VdXml::ImportLandXml(landxml.c_str(), back.c_str(), backEnd, &in), S_OK);
        EXPECT_EQ(SurveyFindings(back), "");
        EXPECT_EQ(in.skipped, 3);  // two GPS setups and a vector
        ASSERT_EQ(VdXml::ExportLandXml(back.c_str(), again.c_str()), S_OK);
        EXPECT_EQ(DiffTrees(MappedSubset(landxml), MappedSubset(again)), "") << backEnd;
    }
}

struct ImportCase {
    const char* file;
    long long points, setups, observations, skipped;
    bool schemaValid;     // the file is valid LandXML (the unknown elements' file is not)
    const char* message;  // a part of one message, or empty for no message at all
};

TEST(LandXmlImport, HandWrittenFilesMatchTheirGoldenFiles) {
    const ImportCase cases[] = {
        {"points_only", 3, 0, 0, 1, true, "1 skipped: CgPoint without a name"},
        {"points_codes", 3, 0, 0, 2, true, "1 skipped: CgPoint that refers to another point"},
        {"survey", 2, 1, 3, 4, true, "2 skipped: LandXML element \"FieldNote\""},
        {"imperial", 1, 1, 1, 1, true, "1 skipped: InstrumentSetup stationName other than"},
        {"unknown", 1, 0, 0, 5, false, "element of another namespace \"x:Anything\""},
    };
    TempDir dir;
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string source = TestDataDir() + "/landxml/" + c.file + ".xml";
        const std::string target = dir.file(std::string(c.file) + ".xml");
        VDXML_LANDXML_SUMMARY s;
        ASSERT_EQ(
            VdXml::ImportLandXml(source.c_str(), target.c_str(), IVdXmlDoc::DOCTYPE_STREAM, &s),
            S_OK);
        EXPECT_EQ(s.points, c.points);
        EXPECT_EQ(s.setups, c.setups);
        EXPECT_EQ(s.observations, c.observations);
        EXPECT_EQ(s.skipped, c.skipped);
        ExpectGolden(target, std::string("landxml/") + c.file);
        EXPECT_EQ(SurveyFindings(target), "");
        std::string messages;
        for (const _bstr_t& m : s.messages) messages += m.utf8() + "\n";
        if (*c.message)
            EXPECT_NE(messages.find(c.message), std::string::npos) << messages;
        else
            EXPECT_EQ(messages, "");
        if (HaveSchema()) {
            EXPECT_EQ(SchemaErrors(source).empty(), c.schemaValid);
        }
    }
}

TEST(LandXmlImport, AnglesAndUnitsAreConvertedToTheSurveyFile) {
    TempDir dir;
    const std::string target = dir.file("imperial.xml");
    const std::string source = TestDataDir() + "/landxml/imperial.xml";
    ASSERT_EQ(VdXml::ImportLandXml(source.c_str(), target.c_str(), IVdXmlDoc::DOCTYPE_DOM), S_OK);
    const SurveyRecords records = ReadRecords(target);
    ASSERT_EQ(records.observations.size(), 1u);
    // 90.3000 in dd.mm.ss is 90.5 degrees.
    EXPECT_NEAR(records.observations[0].Hz, 90.5 * kPi / 180.0, 1e-12);
    EXPECT_NEAR(records.points.at("IP1").coord.Wgs84Llh.Lat,
                (39.0 + 45.0 / 60.0 + 30.0 / 3600.0) * kPi / 180.0, 1e-12);
    EXPECT_NEAR(records.points.at("IP1").coord.Wgs84Llh.Lon,
                -(104.0 + 59.0 / 60.0 + 15.0 / 3600.0) * kPi / 180.0, 1e-12);
    EXPECT_EQ(records.linearUnit, 2u);  // US survey feet
}

// Point names pass through the chosen code page: UTF-8 keeps every character, the default
// page turns those it lacks into "?".
TEST(LandXmlImport, NamesKeepTheCharactersOfTheChosenCodePage) {
    TempDir dir;
    const std::string source = WriteBytes(
        dir.file("names.xml"),
        "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" date=\"2024-03-01\" "
        "time=\"10:15:00\" version=\"1.2\"><CgPoints name=\"Obec\">"
        "<CgPoint name=\"Bod \u0158\">1 2</CgPoint><CgPoint "
        "name=\"\u0422\u043e\u0447\u043a\u0430\">3 "
        "4</CgPoint></CgPoints></LandXML>");
    const std::string target = dir.file("names-survey.xml");
    const struct {
        VDXML_CODEPAGE page;
        std::vector<std::string> names;
    } cases[] = {{VDXML_CODEPAGE_UTF8, {"Bod \u0158", "\u0422\u043e\u0447\u043a\u0430"}},
                 {VDXML_CODEPAGE_1250, {"?????", "Bod \u0158"}},
                 {VDXML_CODEPAGE_1252, {"?????", "Bod ?"}}};
    for (const auto& c : cases) {
        ASSERT_EQ(
            VdXml::ImportLandXml(source.c_str(), target.c_str(), IVdXmlDoc::DOCTYPE_STREAM, c.page),
            S_OK);
        std::vector<std::string> names;
        for (const auto& [name, point] : ReadRecords(target).points) names.push_back(name);
        std::sort(names.begin(), names.end());
        std::vector<std::string> expected = c.names;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected) << c.page;
    }
}

struct BadCase {
    const char* name;
    std::string content;  // written to the source file; empty: no source file at all
    long status;          // 0: any failure
    const char* message;  // a part of the first message
};

TEST(LandXmlImport, BadInputFailsClearlyAndLeavesTheTargetAlone) {
    const std::string head =
        "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" date=\"2024-01-01\" "
        "time=\"00:00:00\" version=\"1.2\">";
    // Hostile files (entity expansion in an attribute aside) meet the protections of every
    // streamed read, which tests/hostile covers.
    const BadCase cases[] = {
        {"missing", "", 0, "cannot be read: "},
        {"malformed", head + "<CgPoints><CgPoint name='a'>1 2</CgPoints>", 0, "line"},
        {"entities",
         "<!DOCTYPE LandXML [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
         "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;\">"
         "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;\">"
         "<!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;\"><!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;\">]>" +
             head + "<CgPoints><CgPoint name=\"&h;\">1 2</CgPoint></CgPoints></LandXML>",
         0, ""},
        {"not LandXML", "<Company><Name>x</Name></Company>", VDXML_E_NOT_LANDXML, "LandXML"},
        {"other namespace", "<LandXML xmlns='urn:other'/>", VDXML_E_NOT_LANDXML,
         "line 1: the root element"},
        {"northing alone", head + "<CgPoints><CgPoint name='a'>1</CgPoint></CgPoints></LandXML>",
         VDXML_E_LANDXML_VALUE, "a northing without an easting"},
        {"leap second",
         head + "<Survey><InstrumentSetup id='a' stationName='S' "
                "instrumentHeight='1'><RawObservation horizAngle='1' "
                "timeStamp='2024-01-01T10:00:60'/></InstrumentSetup></Survey>"
                "</LandXML>",
         VDXML_E_LANDXML_VALUE, "is not a date"},
        {"hour not a number",
         head + "<Survey><InstrumentSetup id='a' stationName='S' "
                "instrumentHeight='1'><RawObservation horizAngle='1' "
                "timeStamp='2024-01-01Tab:00:00'/></InstrumentSetup>"
                "</Survey></LandXML>",
         VDXML_E_LANDXML_VALUE, "is not a date"},
        {"bad number", head + "<CgPoints><CgPoint name='a'>1 x 3</CgPoint></CgPoints></LandXML>",
         VDXML_E_LANDXML_VALUE, "north east"},
        {"bad angle unit",
         head + "<Units><Metric linearUnit='meter' angularUnit='mils'/></Units>"
                "<CgPoints/></LandXML>",
         VDXML_E_LANDXML_VALUE, "mils"},
        {"unknown linear unit",
         head + "<Units><Metric linearUnit='kilometer'/></Units><CgPoints/></LandXML>",
         VDXML_E_LANDXML_VALUE, "kilometer"},
        {"bad height",
         head + "<Survey><InstrumentSetup id='a' stationName='S' "
                "instrumentHeight='high'/></Survey></LandXML>",
         VDXML_E_LANDXML_VALUE, "instrumentHeight"},
    };
    TempDir dir;
    const std::string target = WriteBytes(dir.file("previous.xml"), "previous content");
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string source = dir.file("source.landxml");
        std::remove(source.c_str());
        if (!c.content.empty()) WriteBytes(source, c.content);
        VDXML_LANDXML_SUMMARY s;
        const long hr =
            VdXml::ImportLandXml(source.c_str(), target.c_str(), IVdXmlDoc::DOCTYPE_STREAM, &s);
        EXPECT_LT(hr, 0);
        if (c.status != 0) {
            EXPECT_EQ(hr, c.status);
        }
        EXPECT_EQ(ReadBytes(target), "previous content");
        if (hr == S_OK || s.messages.empty()) continue;
        bool found = false;
        for (const _bstr_t& m : s.messages) found |= m.utf8().find(c.message) != std::string::npos;
        EXPECT_TRUE(found) << s.messages.front().utf8();
    }
}

TEST(LandXmlExport, BadInputFailsAndLeavesTheTargetAlone) {
    TempDir dir;
    const std::string target = WriteBytes(dir.file("previous.landxml"), "previous content");
    const std::string landxml = TestDataDir() + "/landxml/points_only.xml";
    const std::string malformed = WriteBytes(dir.file("bad.xml"), "<Company><Project>");
    // Hostile survey files are refused by the reading the export stands on (tests/hostile).
    for (const std::string& source : {dir.file("missing.xml"), landxml, malformed}) {
        SCOPED_TRACE(source);
        VDXML_LANDXML_SUMMARY s;
        EXPECT_LT(VdXml::ExportLandXml(source.c_str(), target.c_str(), &s), 0);
        EXPECT_FALSE(s.messages.empty());
        EXPECT_EQ(ReadBytes(target), "previous content");
    }
    EXPECT_EQ(VdXml::ExportLandXml("", target.c_str()), E_FAIL);
    EXPECT_EQ(VdXml::ImportLandXml(landxml.c_str(), nullptr, IVdXmlDoc::DOCTYPE_DOM), E_FAIL);
}

}  // namespace

namespace {

// Two projects of the same name, the second with its coordinate system after a first point:
// one "Survey" for the first project although its points come on both sides of the setup,
// and "CgPoints" names that stay unique.
TEST(LandXmlExport, SeveralProjectsGiveUniqueCgPointsAndOneSurveyEach) {
    TempDir dir;
    const std::string source = WriteBytes(
        dir.file("two.landxml"),
        "<LandXML xmlns='http://www.landxml.org/schema/LandXML-1.2' date='2024-01-01' "
        "time='00:00:00' version='1.2'><Project name='A'/>"
        "<CgPoints><CgPoint name='1'>1 2 3</CgPoint></CgPoints>"
        "<Survey><SurveyHeader name='x'/><InstrumentSetup id='s' stationName='1' "
        "instrumentHeight='1'><RawObservation horizAngle='1'><TargetPoint/></RawObservation>"
        "</InstrumentSetup></Survey>"
        "<CgPoints><CgPoint name='2'>1 2 3</CgPoint></CgPoints>"
        "<Project name='A'/><CgPoints><CgPoint name='3'>4 5 6</CgPoint></CgPoints>"
        "<CoordinateSystem name='cs'/><CgPoints><CgPoint name='4'>7 8 9</CgPoint></CgPoints>"
        "</LandXML>");
    const std::string survey = dir.file("two.xml"), exported = dir.file("two-again.landxml");
    ASSERT_EQ(VdXml::ImportLandXml(source.c_str(), survey.c_str(), IVdXmlDoc::DOCTYPE_STREAM),
              S_OK);
    EXPECT_EQ(SurveyFindings(survey), "");
    ASSERT_EQ(VdXml::ExportLandXml(survey.c_str(), exported.c_str()), S_OK);
    const XmlTree doc = LoadXmlTree(exported, true);
    std::vector<std::string> parts, names;
    for (const XmlTree& part : doc.children) {
        parts.push_back(part.name);
        if (part.name == "CgPoints") names.push_back(part.attrs.at("name"));
    }
    EXPECT_EQ(parts,
              (std::vector<std::string>{"Units", "Application", "Project", "CgPoints", "Survey",
                                        "Project", "CgPoints", "CoordinateSystem", "CgPoints"}));
    EXPECT_EQ(names, (std::vector<std::string>{"A", "A (2)", "A (3)"}));
    if (HaveSchema()) {
        EXPECT_EQ(SchemaErrors(exported), "");
    }
}

}  // namespace

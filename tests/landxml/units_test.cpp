// Units both ways: every angle unit LandXML declares, read into radians; every linear unit of
// survey files, declared with all the attributes LandXML requires and read back.
#include <gtest/gtest.h>

#include <cmath>

#include "support/document_fixture.h"
#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/vdxml.h"

namespace {

using namespace vdxml_test;

constexpr double kPi = 3.14159265358979323846;

std::string LandXmlWithAngle(const std::string& unit, const std::string& angle) {
    return "<LandXML xmlns='http://www.landxml.org/schema/LandXML-1.2' date='2024-01-01' "
           "time='00:00:00' version='1.2'><Units><Metric areaUnit='squareMeter' "
           "linearUnit='meter' volumeUnit='cubicMeter' temperatureUnit='celsius' "
           "pressureUnit='HPA' angularUnit='" +
           unit + "'/></Units><Survey><SurveyHeader name='s'/><InstrumentSetup id='a' " +
           "stationName='S' instrumentHeight='1.5'><RawObservation horizAngle='" + angle +
           "' zenithAngle='" + angle + "'><TargetPoint/></RawObservation></InstrumentSetup>" +
           "</Survey></LandXML>";
}

struct ObservationReader : CVdXmlRecordCallback {
    std::vector<VDXML_TPS_OBSSET> sets;
    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE& r) override {
        if (r.nType == VDXML_TYPE_TPS_OBSSET) sets.push_back(static_cast<VDXML_TPS_OBSSET&>(r));
        return 0;
    }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { return 0; }
};

struct AngleCase {
    const char* unit;
    const char* text;
    double radians;
};

TEST(LandXmlUnits, EveryAngleUnitIsReadAsRadians) {
    const AngleCase cases[] = {
        {"radians", "1.25", 1.25},
        {"grads", "150.5", 150.5 / 400.0 * 2 * kPi},
        {"decimal degrees", "-12.75", -12.75 / 360.0 * 2 * kPi},
        {"decimal dd.mm.ss", "123.4530", (123.0 + 45.0 / 60 + 30.0 / 3600) / 360.0 * 2 * kPi},
        {"decimal dd.mm.ss", "-0.0030", -(30.0 / 3600) / 360.0 * 2 * kPi},
    };
    TempDir dir;
    for (const AngleCase& c : cases) {
        SCOPED_TRACE(std::string(c.unit) + " " + c.text);
        const std::string source =
            WriteBytes(dir.file("a.landxml"), LandXmlWithAngle(c.unit, c.text));
        const std::string target = dir.file("a.xml");
        ASSERT_EQ(VdXml::ImportLandXml(source.c_str(), target.c_str(), IVdXmlDoc::DOCTYPE_STREAM),
                  S_OK);
        ObservationReader reader;
        CVdXmlParser parser;
        parser.SetCallbackInterface(&reader);
        ASSERT_EQ(parser.ParseStream(target.c_str()), S_OK);
        ASSERT_EQ(reader.sets.size(), 1u);
        EXPECT_NEAR(reader.sets[0].Hz, c.radians, 1e-12);
        EXPECT_NEAR(reader.sets[0].Zen, c.radians, 1e-12);
    }
}

struct LinearCase {
    std::uint32_t code;
    const char* element;
    const char* linear;
};

// A survey file in each linear unit, with one point, exported and imported again.
TEST(LandXmlUnits, EveryLinearUnitIsDeclaredAndReadBack) {
    const LinearCase cases[] = {
        {1, "Metric", "meter"}, {2, "Imperial", "USSurveyFoot"}, {3, "Imperial", "foot"}};
    TempDir dir;
    for (const LinearCase& c : cases) {
        SCOPED_TRACE(c.linear);
        const std::string survey = dir.file("unit.xml"), landxml = dir.file("unit.landxml");
        {
            VDXML_ROOT root = SampleRoot();
            root.Units.Linear = c.code;
            CVdXmlDocument doc;
            ASSERT_EQ(doc.Initialize(root, IVdXmlDoc::DOCTYPE_STREAM, survey.c_str(), 0), S_OK);
            VDXML_PROJECT project;
            project.Name = L"Units";
            CVdXmlProject projectNode;
            ASSERT_EQ(doc.InsertProject(project, projectNode), S_OK);
            ASSERT_EQ(doc.Save(), S_OK);
        }
        ASSERT_EQ(VdXml::ExportLandXml(survey.c_str(), landxml.c_str()), S_OK);
        const XmlTree units = *LoadXmlTree(landxml, true).child("Units");
        ASSERT_EQ(units.children.size(), 1u);
        const XmlTree& system = units.children[0];
        EXPECT_EQ(system.name, c.element);
        EXPECT_EQ(system.attrs.at("linearUnit"), c.linear);
        for (const char* required : {"areaUnit", "volumeUnit", "temperatureUnit", "pressureUnit"})
            EXPECT_FALSE(system.attrs.at(required).empty()) << required;

        const std::string back = dir.file("back.xml");
        ASSERT_EQ(VdXml::ImportLandXml(landxml.c_str(), back.c_str(), IVdXmlDoc::DOCTYPE_DOM),
                  S_OK);
        EXPECT_EQ(LoadXmlTree(back, true).child("Application")->child("Units")->childText("Linear"),
                  std::to_string(c.code));
    }
}

}  // namespace

namespace {

// Coordinates with fixed decimals, a value that rounds to zero without a sign.
TEST(LandXmlNumbers, CoordinatesAreWrittenWithFiveDecimals) {
    TempDir dir;
    const std::string survey = dir.file("n.xml"), landxml = dir.file("n.landxml");
    {
        CVdXmlDocument doc;
        ASSERT_EQ(doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, survey.c_str(), 0), S_OK);
        VDXML_PROJECT project;
        project.Name = L"Numbers";
        CVdXmlProject projectNode;
        ASSERT_EQ(doc.InsertProject(project, projectNode), S_OK);
        VDXML_POINT point;
        point.Name = L"N1";
        CVdXmlPoint pointNode;
        ASSERT_EQ(pointNode.Create(projectNode, point), S_OK);
        VDXML_COORD coord;
        coord.Type = VDXML_COORD_TYPE_3D;
        coord.LocalEnh.Flags = VDXML_GRID::flagEN | VDXML_GRID::flagHO;
        coord.LocalEnh.N = 2.5;
        coord.LocalEnh.E = -0.000001;
        coord.LocalEnh.HO = -3.25;
        CVdXmlCoord coordNode;
        ASSERT_EQ(coordNode.Create(pointNode, coord), S_OK);
        ASSERT_EQ(doc.Save(), S_OK);
    }
    ASSERT_EQ(VdXml::ExportLandXml(survey.c_str(), landxml.c_str()), S_OK);
    const XmlTree doc = LoadXmlTree(landxml, true);
    const XmlTree* point = doc.child("CgPoints")->child("CgPoint");
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->text, "2.50000 0.00000 -3.25000");
}

}  // namespace

#include "recordtree/survey_sample.h"

#include <gtest/gtest.h>

#include "vdxml/coord.h"
#include "vdxml/dcoord.h"
#include "vdxml/gps_baseline.h"
#include "vdxml/gps_reference.h"
#include "vdxml/gps_rover.h"
#include "vdxml/point.h"
#include "vdxml/project.h"
#include "vdxml/thematic_attribute.h"
#include "vdxml/thematic_code.h"
#include "vdxml/tps_obsset.h"
#include "vdxml/tps_setup.h"
#include "vdxml/tps_setup_details.h"

namespace vdxml_test {

VDXML_PROJECT SampleProject() {
    VDXML_PROJECT p;
    p.Name = L"Survey";
    p.Note = L"north sector";
    p.Created = 53736.5;
    return p;
}

VDXML_POINT SamplePoint(const wchar_t* name) {
    VDXML_POINT p;
    p.Name = name;
    p.Note = L"bolt";
    p.Class = VDXML_PNT_CLASS_MEASURED;
    p.Epoch = 53736.25;
    return p;
}

VDXML_COORD SampleGridCoord() {
    VDXML_COORD c;
    c.Type = VDXML_COORD_TYPE_2D;
    c.LocalEnh.Flags = VDXML_GRID::flagEN;
    c.LocalEnh.E = 2600200.125;
    c.LocalEnh.N = 1200300.5;
    return c;
}

VDXML_DCOORD SampleDifference() {
    VDXML_DCOORD d;
    d.Wgs84DXyz.Flags = 0x01;
    d.Wgs84DXyz.DX = 120.5;
    d.Wgs84DXyz.DY = -30.25;
    d.Wgs84DXyz.DZ = 80.125;
    return d;
}

VDXML_TPS_SETUP SampleStationSetup() {
    VDXML_TPS_SETUP s;
    s.Flags = VDXML_TPS_SETUP::flagInstrHgt | VDXML_TPS_SETUP::flagInstrOrientation;
    s.InstrHgt = 1.567;
    s.InstrOrientation = 0.25;
    s.Instrument.Flags = VDXML_TPS_INSTRUMENT::maskRequired;
    s.Instrument.Type = L"TS16";
    return s;
}

VDXML_TPS_OBSSET SampleObsSet() {
    VDXML_TPS_OBSSET o;
    o.Reflector.Flags = VDXML_TPS_REFLECTOR::flagReflector;
    o.Reflector.Type = VDXML_TPS_REFLECTOR_ROUND_PRISM;
    o.Reflector.Hgt = 1.3;
    o.Flags = VDXML_TPS_OBSSET::flagHz | VDXML_TPS_OBSSET::flagZen | VDXML_TPS_OBSSET::flagDistS;
    o.Hz = 1.25;
    o.Zen = 1.5;
    o.DistS = 123.456;
    return o;
}

VDXML_COORDINATESYSTEM SampleCoordinateSystem() {
    VDXML_TRFRESIDUAL residual;
    residual.Type = VDXML_COORD_TYPE_2D;
    residual.Flags = VDXML_TRFRESIDUAL::flagSourceName | VDXML_TRFRESIDUAL::flagResidualEnh;
    residual.SourceName = L"CP1";
    residual.SourceEnh.Flags = VDXML_GRID::flagEN;
    residual.SourceEnh.E = 600000.0;
    residual.SourceEnh.N = 200000.0;
    residual.ResidualEnh.Flags = VDXML_RESIDUAL_GRID::flagDEN;
    residual.ResidualEnh.DE = 0.004;
    residual.ResidualEnh.DN = -0.002;

    VDXML_COORDINATESYSTEM system;
    system.Name = L"Local grid";
    system.Transformation.Name = L"Helmert";
    system.Transformation.Type = VDXML_TRANSFORMATION_HELMERT2D;
    system.Transformation.Residuals.push_back(residual);
    return system;
}

VDXML_GPSBASELINE SampleBaseline() {
    VDXML_GPSBASELINE b;
    b.Flags = VDXML_GPSBASELINE::flagBaseline;
    b.DCoord = SampleDifference();
    return b;
}

namespace {
template <class Setup>
Setup WithReceiver(Setup setup) {
    using S = VDXML_GPS_SETUP;
    setup.Flags = S::flagSetup | S::flagSensorType | S::flagSensorSerialNr | S::flagAntHgt;
    setup.SensorType = L"GX1230";
    setup.SensorSerialNr = L"471100";
    setup.AntHgt = 1.234;
    setup.Antenna.Flags = VDXML_ANTENNA::maskRequired;
    setup.Antenna.AntName = L"AX1202";
    return setup;
}
}  // namespace

VDXML_GPS_REFERENCE SampleReference() { return WithReceiver(VDXML_GPS_REFERENCE()); }

VDXML_GPS_ROVER SampleRover() {
    VDXML_GPS_ROVER r = WithReceiver(VDXML_GPS_ROVER());
    r.SensorSerialNr = L"471101";
    r.DOPs.Flags = VDXML_DOPS::flagPDOP | VDXML_DOPS::flagHDOP;
    r.DOPs.PDOP = 1.8;
    r.DOPs.HDOP = 0.9;
    r.TSCE.Start = 53736.5;
    r.TSCE.End = 53736.5 + 1.0 / 24.0;
    return r;
}

VDXML_THEMATICAL_CODE SampleCode() {
    VDXML_THEMATICAL_CODE c;
    c.ItemName.Name = L"Tree";
    c.Type = VDXML_THEMATICAL_GEOMETRY_POINT;
    c.CodeDesc = L"deciduous tree";
    return c;
}

VDXML_THEMATICAL_ATTRIBUTE SampleAttribute() {
    VDXML_THEMATICAL_ATTRIBUTE a;
    a.ItemName.Name = L"Height";
    a.Flags = VDXML_THEMATICAL_ATTRIBUTE::flagAttribute;
    a.ValueType = VDXML_THEMATICAL_VALUE_TEXT;
    a.TextValue = L"12 m";
    return a;
}

void WriteSampleSurvey(CVdXmlDocument& doc) {
    const CVdXmlNode& application = *doc.GetNode(CVdXmlDocument::NODE_APPLICATION);
    CVdXmlCoordinateSystem system;
    ASSERT_EQ(system.Create(application, SampleCoordinateSystem()), S_OK);

    CVdXmlProject project;
    ASSERT_EQ(doc.InsertProject(SampleProject(), project), S_OK);
    CVdXmlPoint point;
    ASSERT_EQ(project.InsertPoint(SamplePoint(L"P1"), point), S_OK);
    CVdXmlCoord coord;
    ASSERT_EQ(point.InsertCoord(SampleGridCoord(), coord), S_OK);
    CVdXmlDCoord dcoord;
    ASSERT_EQ(point.InsertDCoord(SampleDifference(), dcoord), S_OK);

    CVdXmlTpsSetup setup;
    ASSERT_EQ(setup.Create(project, SampleStationSetup()), S_OK);
    VDXML_TPS_SETUP_DETAILS details;
    details.Method = VDXML_TPS_METHOD_KNOWN_BACKSIGHT;
    CVdXmlTpsSetupDetails detailsWriter;
    ASSERT_EQ(detailsWriter.Create(setup, details), S_OK);
    CVdXmlTpsObsSet obsSet;
    ASSERT_GE(obsSet.Create(setup, SampleObsSet()), S_OK);

    CVdXmlPoint second;
    ASSERT_EQ(project.InsertPoint(SamplePoint(L"P2"), second), S_OK);
    CVdXmlGpsBaseline baseline;
    ASSERT_GE(baseline.Create(second, SampleBaseline()), S_OK);
    CVdXmlGpsReference reference;
    ASSERT_GE(reference.Create(second, SampleReference()), S_OK);
    CVdXmlGpsRover rover;
    ASSERT_GE(rover.Create(second, SampleRover()), S_OK);
    CVdXmlThematicalCode code;
    ASSERT_GE(code.Create(second, SampleCode()), S_OK);
    CVdXmlThematicalAttribute attribute;
    ASSERT_GE(attribute.Create(second, SampleAttribute()), S_OK);
}

}  // namespace vdxml_test

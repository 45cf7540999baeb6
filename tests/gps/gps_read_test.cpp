// Reading rover, reference and baseline back: the values and flags the readers restore, the
// values they leave alone, and what makes a read record writable again.
#include <gtest/gtest.h>

#include "gps_samples.h"
#include "support/application_fixture.h"
#include "vdxml/gps_baseline.h"
#include "vdxml/gps_reference.h"
#include "vdxml/gps_rover.h"

using namespace vdxml_test;

namespace {

// The setup values both readers restore, compared with what was written.
void ExpectSetupRead(const VDXML_GPS_SETUP& read, const VDXML_GPS_SETUP& written) {
    using A = VDXML_ANTENNA;
    EXPECT_EQ(read.Flags, 0x0F);
    EXPECT_EQ(read.SensorType, written.SensorType);
    EXPECT_EQ(read.SensorSerialNr, written.SensorSerialNr);
    EXPECT_DOUBLE_EQ(read.AntHgt, written.AntHgt);
    const VDXML_ANTENNA& a = read.Antenna;
    EXPECT_EQ(a.Flags, A::maskRequired | A::flagAntType | A::flagAntSn | A::flagPhaseCentres);
    EXPECT_EQ(a.AntType, written.Antenna.AntType);
    EXPECT_EQ(a.AntName, written.Antenna.AntName);
    EXPECT_EQ(a.AntSn, written.Antenna.AntSn);
    EXPECT_DOUBLE_EQ(a.AntVO, written.Antenna.AntVO);
    EXPECT_DOUBLE_EQ(a.AntHzO, written.Antenna.AntHzO);
    EXPECT_DOUBLE_EQ(a.AntL1PhO, written.Antenna.AntL1PhO);
    EXPECT_DOUBLE_EQ(a.AntL1EPhO, written.Antenna.AntL1EPhO);
    EXPECT_DOUBLE_EQ(a.AntL1NPhO, written.Antenna.AntL1NPhO);
    EXPECT_DOUBLE_EQ(a.AntL2PhO, written.Antenna.AntL2PhO);
    EXPECT_DOUBLE_EQ(a.AntL2EPhO, written.Antenna.AntL2EPhO);
    EXPECT_DOUBLE_EQ(a.AntL2NPhO, written.Antenna.AntL2NPhO);
}

// Reads the rover from XML text.
long ReadRover(const std::wstring& xml, VDXML_GPS_ROVER& rover) {
    IXMLDOMDocument2Ptr dom = LoadDomXml(xml);
    EXPECT_TRUE(dom);
    VDXML_ELEMENT element = ElementAt(dom, L"");
    return CVdXmlGpsRover::Read(element, rover);
}

}  // namespace

class GpsRead : public ApplicationTest {};

TEST_P(GpsRead, RoverRestoresSetupAntennaAndDops) {
    const VDXML_GPS_ROVER written = FullRover();
    CVdXmlGpsRover rov;
    ASSERT_EQ(rov.Create(Application(), written), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/Rov");
    VDXML_GPS_ROVER rover;
    ASSERT_EQ(CVdXmlGpsRover::Read(element, rover), S_OK);
    EXPECT_EQ(rover.nType, VDXML_TYPE_GPS_ROVER);
    ExpectSetupRead(rover, written);
    using D = VDXML_DOPS;
    EXPECT_EQ(rover.DOPs.Flags, D::flagHDOP | D::flagVDOP | D::flagPDOP | D::flagGDOP);
    EXPECT_DOUBLE_EQ(rover.DOPs.HDOP, 1.2);
    EXPECT_DOUBLE_EQ(rover.DOPs.VDOP, 1.9);
    EXPECT_DOUBLE_EQ(rover.DOPs.PDOP, 2.25);
    EXPECT_DOUBLE_EQ(rover.DOPs.GDOP, 2.6);
    EXPECT_EQ(rover.DOPs.ReservedDOP, 0.0);  // never written

    // What was read can be written again.
    CVdXmlGpsRover again;
    EXPECT_EQ(again.Create(SecondApplication(), rover), S_OK);
}

TEST_P(GpsRead, ReferenceRestoresSetupAndAntenna) {
    const VDXML_GPS_REFERENCE written = FullSetup<VDXML_GPS_REFERENCE>();
    CVdXmlGpsReference ref;
    ASSERT_EQ(ref.Create(Application(), written), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/Ref");
    VDXML_GPS_REFERENCE reference;
    ASSERT_EQ(CVdXmlGpsReference::Read(element, reference), S_OK);
    EXPECT_EQ(reference.nType, VDXML_TYPE_GPS_REFERENCE);
    ExpectSetupRead(reference, written);
}

TEST_P(GpsRead, RoverWithoutSetupValuesCannotBeWrittenBack) {
    VDXML_GPS_ROVER written;
    written.Flags = VDXML_GPS_SETUP::flagSetup;
    written.Antenna.Flags = VDXML_ANTENNA::maskRequired;
    written.Antenna.AntName = L"Handheld";
    CVdXmlGpsRover rov;
    ASSERT_EQ(rov.Create(Application(), written), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/Rov");
    VDXML_GPS_ROVER rover;
    ASSERT_EQ(CVdXmlGpsRover::Read(element, rover), S_OK);
    EXPECT_EQ(rover.Flags, 0);
    EXPECT_EQ(rover.Antenna.Flags, VDXML_ANTENNA::maskRequired);
    EXPECT_EQ(rover.Antenna.AntName, _bstr_t(L"Handheld"));
    EXPECT_EQ(rov.Create(SecondApplication(), rover), E_FAIL);
    rover.Flags = VDXML_GPS_SETUP::flagSetup;
    EXPECT_EQ(rov.Create(SecondApplication(), rover), S_OK);
}

TEST_P(GpsRead, BaselineIsRecognisedWithoutReadingItsDifference) {
    VDXML_GPSBASELINE written;
    written.Flags = VDXML_GPSBASELINE::flagBaseline;
    written.DCoord.Wgs84DXyz.Flags = VDXML_DCARTESIAN::flagDXyz;
    written.DCoord.Wgs84DXyz.DX = 12.0;
    CVdXmlGpsBaseline bl;
    ASSERT_EQ(bl.Create(Application(), written), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/GpsBl");
    VDXML_GPSBASELINE baseline;
    ASSERT_EQ(CVdXmlGpsBaseline::Read(element, baseline), S_OK);
    EXPECT_EQ(baseline.Flags, VDXML_GPSBASELINE::flagBaseline);
    EXPECT_EQ(baseline.DCoord.Wgs84DXyz.Flags, 0);
    EXPECT_EQ(baseline.DCoord.Wgs84DXyz.DX, 0.0);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(GpsRead);

TEST(GpsReadElement, EmptyHandlesAreRefused) {
    VDXML_ELEMENT empty;
    VDXML_GPS_ROVER rover;
    VDXML_GPS_REFERENCE reference;
    VDXML_GPSBASELINE baseline;
    EXPECT_EQ(CVdXmlGpsRover::Read(empty, rover), E_FAIL);
    EXPECT_EQ(CVdXmlGpsReference::Read(empty, reference), E_FAIL);
    EXPECT_EQ(CVdXmlGpsBaseline::Read(empty, baseline), E_FAIL);
    EXPECT_EQ(baseline.Flags, 0);
    EXPECT_EQ(rover.Flags, 0);
}

TEST(GpsReadElement, AntennaNameMakesTheAntennaWritable) {
    VDXML_GPS_ROVER named;
    ASSERT_EQ(ReadRover(L"<Rov><Ant><AntName>Dome</AntName></Ant></Rov>", named), S_OK);
    EXPECT_EQ(named.Antenna.Flags, VDXML_ANTENNA::maskRequired);

    // Type and offsets alone leave the antenna unwritable.
    VDXML_GPS_ROVER unnamed;
    ASSERT_EQ(ReadRover(L"<Rov><SensorType>R</SensorType><Ant><AntType>3</AntType>"
                        L"<AntVO>0.25</AntVO><AntL2PhO>0.5</AntL2PhO></Ant></Rov>",
                        unnamed),
              S_OK);
    EXPECT_EQ(unnamed.Flags, VDXML_GPS_SETUP::flagSetup | VDXML_GPS_SETUP::flagSensorType);
    EXPECT_EQ(unnamed.Antenna.Flags, VDXML_ANTENNA::flagAntType | VDXML_ANTENNA::flagPhaseCentres);
    EXPECT_EQ(unnamed.Antenna.AntType, 3);
    EXPECT_EQ(unnamed.Antenna.AntVO, 0.25);
    EXPECT_EQ(unnamed.Antenna.AntL2PhO, 0.5);
}

TEST(GpsReadElement, EachSetupValueMarksTheSetupAsGiven) {
    using S = VDXML_GPS_SETUP;
    struct Case {
        const wchar_t* xml;
        std::uint8_t flags;
    };
    const Case cases[] = {
        {L"<Rov><SensorSerialNr>9</SensorSerialNr></Rov>", S::flagSetup | S::flagSensorSerialNr},
        {L"<Rov><AntHgt>2</AntHgt></Rov>", S::flagSetup | S::flagAntHgt},
        // Values one level too deep are not the setup's.
        {L"<Rov><Ant><AntHgt>2</AntHgt></Ant></Rov>", 0},
        {L"<Rov><DOPs><HDOP>1</HDOP></DOPs></Rov>", 0},
    };
    for (const Case& c : cases) {
        VDXML_GPS_ROVER rover;
        ASSERT_EQ(ReadRover(c.xml, rover), S_OK);
        EXPECT_EQ(rover.Flags, c.flags) << c.xml;
    }
}

TEST(GpsReadElement, ReferenceReaderIgnoresRoverOnlyValues) {
    IXMLDOMDocument2Ptr dom = LoadDomXml(
        L"<Ref><DOPs><HDOP>1</HDOP></DOPs><TSCE><Span>P1D</Span></TSCE>"
        L"<Ant><AntName>A</AntName></Ant></Ref>");
    ASSERT_TRUE(dom);
    VDXML_ELEMENT element = ElementAt(dom, L"");
    VDXML_GPS_REFERENCE reference;
    ASSERT_EQ(CVdXmlGpsReference::Read(element, reference), S_OK);
    EXPECT_EQ(reference.Flags, 0);
    EXPECT_EQ(reference.Antenna.Flags, VDXML_ANTENNA::maskRequired);
}

TEST(GpsReadElement, AnyBaselineElementSetsTheFlag) {
    IXMLDOMDocument2Ptr dom = LoadDomXml(L"<GpsBl><Other>1</Other></GpsBl>");
    ASSERT_TRUE(dom);
    VDXML_ELEMENT element = ElementAt(dom, L"");
    VDXML_GPSBASELINE baseline;
    baseline.Flags = 0x80;  // other bits stay
    ASSERT_EQ(CVdXmlGpsBaseline::Read(element, baseline), S_OK);
    EXPECT_EQ(baseline.Flags, 0x81);
}

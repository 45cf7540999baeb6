// Reading rover, reference and baseline back: the values and flags the readers restore and
// what they leave alone.
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
    EXPECT_EQ(read.Flags, written.Flags);
    EXPECT_EQ(read.SensorType, written.SensorType);
    EXPECT_EQ(read.SensorSerialNr, written.SensorSerialNr);
    EXPECT_DOUBLE_EQ(read.AntHgt, written.AntHgt);
    const VDXML_ANTENNA &a = read.Antenna, &w = written.Antenna;
    EXPECT_EQ(a.Flags, w.Flags);
    EXPECT_EQ(a.AntType, w.AntType);
    EXPECT_EQ(a.AntName, w.AntName);
    EXPECT_EQ(a.AntSn, w.AntSn);
    EXPECT_DOUBLE_EQ(a.AntVO, w.AntVO);
    EXPECT_DOUBLE_EQ(a.AntHzO, w.AntHzO);
    EXPECT_DOUBLE_EQ(a.AntL1EPhO, w.AntL1EPhO);
    EXPECT_DOUBLE_EQ(a.AntL2NPhO, w.AntL2NPhO);
}

template <class Record, class Reader>
long ReadXml(const wchar_t* xml, Record& record, Reader read) {
    IXMLDOMDocument2Ptr dom = LoadDomXml(xml);
    VDXML_ELEMENT element = ElementAt(dom, L"");
    return read(element, record);
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
    ExpectSetupRead(rover, written);
    EXPECT_EQ(rover.DOPs.Flags, VDXML_DOPS::maskAny & ~VDXML_DOPS::flagReservedDOP);
    EXPECT_DOUBLE_EQ(rover.DOPs.HDOP, 1.2);
    EXPECT_DOUBLE_EQ(rover.DOPs.GDOP, 2.6);
    EXPECT_EQ(rover.DOPs.ReservedDOP, 0.0);  // never written
}

TEST_P(GpsRead, ReferenceAndBaseline) {
    const VDXML_GPS_REFERENCE written = FullSetup<VDXML_GPS_REFERENCE>();
    CVdXmlGpsReference ref;
    ASSERT_EQ(ref.Create(Application(), written), S_OK);
    VDXML_GPSBASELINE baseline;
    baseline.Flags = VDXML_GPSBASELINE::flagBaseline;
    baseline.DCoord.Flags = VDXML_DCOORD::flagACPos;
    baseline.DCoord.ACPos = 0.002;
    CVdXmlGpsBaseline bl;
    ASSERT_EQ(bl.Create(Application(), baseline), S_OK);
    VDXML_ELEMENT refElement = Saved(L"Application/Ref");
    VDXML_GPS_REFERENCE reference;
    ASSERT_EQ(CVdXmlGpsReference::Read(refElement, reference), S_OK);
    ExpectSetupRead(reference, written);
    // The baseline reads no value: only its flag is set.
    VDXML_ELEMENT blElement = ElementAt(LoadDom(path()), L"Application/GpsBl");
    VDXML_GPSBASELINE read;
    ASSERT_EQ(CVdXmlGpsBaseline::Read(blElement, read), S_OK);
    EXPECT_EQ(read.Flags, VDXML_GPSBASELINE::flagBaseline);
    EXPECT_EQ(read.DCoord.Flags, 0);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(GpsRead);

TEST(GpsReadElement, FlagsComeFromWhatIsPresent) {
    using S = VDXML_GPS_SETUP;
    using A = VDXML_ANTENNA;
    const struct {
        const wchar_t* xml;
        std::uint8_t flags, antennaFlags;
    } cases[] = {
        // No sensor values: the rover cannot be written back as it was read.
        {L"<Rov><Ant><AntName>Dome</AntName></Ant></Rov>", 0, A::maskRequired},
        // Without a name the antenna stays unwritable.
        {L"<Rov><SensorType>R</SensorType><Ant><AntType>3</AntType><AntVO>0.2</AntVO>"
         L"<AntL2PhO>0.5</AntL2PhO></Ant></Rov>",
         S::flagSetup | S::flagSensorType, A::flagAntType | A::flagPhaseCentres},
        {L"<Rov><SensorSerialNr>9</SensorSerialNr></Rov>", S::flagSetup | S::flagSensorSerialNr, 0},
        // Values one level too deep are not the setup's.
        {L"<Rov><Ant><AntHgt>2</AntHgt></Ant><X><Ant><AntName>A</AntName></Ant></X></Rov>", 0, 0},
    };
    for (const auto& c : cases) {
        VDXML_GPS_ROVER rover;
        ASSERT_EQ(ReadXml(c.xml, rover, CVdXmlGpsRover::Read), S_OK);
        EXPECT_EQ(rover.Flags, c.flags) << c.xml;
        EXPECT_EQ(rover.Antenna.Flags, c.antennaFlags) << c.xml;
    }
}

TEST(GpsReadElement, ReferenceIgnoresRoverValuesAndBaselineItsChildren) {
    VDXML_GPS_REFERENCE reference;
    ASSERT_EQ(ReadXml(L"<Ref><DOPs><HDOP>1</HDOP></DOPs><TSCE><Span>x</Span></TSCE></Ref>",
                      reference, CVdXmlGpsReference::Read),
              S_OK);
    EXPECT_EQ(reference.Flags | reference.Antenna.Flags, 0);
    VDXML_GPSBASELINE baseline;
    baseline.Flags = 0x80;  // other bits stay
    ASSERT_EQ(ReadXml(L"<GpsBl><Other>1</Other></GpsBl>", baseline, CVdXmlGpsBaseline::Read), S_OK);
    EXPECT_EQ(baseline.Flags, 0x81);
}

TEST(GpsReadElement, EmptyHandlesAreRefused) {
    VDXML_ELEMENT empty;
    VDXML_GPS_ROVER rover;
    VDXML_GPS_REFERENCE reference;
    VDXML_GPSBASELINE baseline;
    EXPECT_EQ(CVdXmlGpsRover::Read(empty, rover), E_FAIL);
    EXPECT_EQ(CVdXmlGpsReference::Read(empty, reference), E_FAIL);
    EXPECT_EQ(CVdXmlGpsBaseline::Read(empty, baseline), E_FAIL);
    EXPECT_EQ(baseline.Flags, 0);
}

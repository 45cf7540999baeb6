// Writing rover, reference and baseline: refusals, the order and conditions of the children,
// the antenna and its model codes, the DOPs and the sameness of both back ends.
#include <gtest/gtest.h>

#include "gps_samples.h"
#include "support/application_fixture.h"
#include "vdxml/gps_baseline.h"
#include "vdxml/gps_reference.h"
#include "vdxml/gps_rover.h"

using namespace vdxml_test;

class GpsWrite : public ApplicationTest {};

TEST_P(GpsWrite, RecordsWithoutTheirGivenFlagAreRefusedBeforeWriting) {
    VDXML_GPS_ROVER rover = FullRover();
    VDXML_GPS_REFERENCE reference = FullSetup<VDXML_GPS_REFERENCE>();
    rover.Flags = reference.Flags = 0x0E;  // everything but the setup itself
    VDXML_GPSBASELINE baseline;
    CVdXmlGpsRover rov;
    CVdXmlGpsReference ref;
    CVdXmlGpsBaseline bl;
    EXPECT_EQ(rov.Create(Application(), rover), E_FAIL);
    EXPECT_EQ(ref.Create(Application(), reference), E_FAIL);
    EXPECT_EQ(bl.Create(Application(), baseline), E_FAIL);
    CVdXmlNode orphan;  // belongs to no document
    baseline.Flags = VDXML_GPSBASELINE::flagBaseline;
    EXPECT_EQ(rov.Create(orphan, FullRover()), E_FAIL);
    EXPECT_EQ(bl.Create(orphan, baseline), E_FAIL);
    EXPECT_EQ(Written().childNames(), (Names{"Name", "Version", "Units"}));
}

TEST_P(GpsWrite, FullRoverInLayoutOrder) {
    CVdXmlGpsRover rov;
    ASSERT_EQ(rov.Create(Application(), FullRover()), S_OK);
    Written();
    const XmlTree& r = Below("Rov");
    EXPECT_EQ(r.childNames(),
              (Names{"SensorType", "SensorSerialNr", "AntHgt", "Ant", "DOPs", "TSCE"}));
    EXPECT_EQ(r.childText("SensorSerialNr"), "R-4711");
    EXPECT_EQ(r.childText("AntHgt"), "1.80000");
    const XmlTree& ant = Below("Rov/Ant");
    EXPECT_EQ(ant.childNames(),
              (Names{"AntName", "AntType", "AntSn", "AntVO", "AntHzO", "AntL1PhO", "AntL1EPhO",
                     "AntL1NPhO", "AntL2PhO", "AntL2EPhO", "AntL2NPhO"}));
    EXPECT_EQ(ant.childText("AntType"), "7");
    EXPECT_EQ(ant.childText("AntVO"), "0.03450");
    EXPECT_EQ(ant.childText("AntL1NPhO"), "-0.00120");
    EXPECT_EQ(ant.childText("AntL2PhO"), "0.05810");
    // The reserved figure opens the block but is never written.
    EXPECT_EQ(Below("Rov/DOPs").childNames(), (Names{"HDOP", "VDOP", "PDOP", "GDOP"}));
    EXPECT_EQ(Below("Rov/DOPs").childText("PDOP"), "2.25000");
}

TEST_P(GpsWrite, EachSetupChildByItsOwnCondition) {
    using S = VDXML_GPS_SETUP;
    const struct {
        std::uint8_t flags, antennaFlags;
        Names expected;
    } cases[] = {
        {S::flagSetup, 0, {}},
        {S::flagSetup | S::flagSensorSerialNr, 0, {"SensorSerialNr"}},
        {S::flagSetup | S::flagAntHgt, VDXML_ANTENNA::maskRequired, {"AntHgt", "Ant"}},
        // An antenna given but not named, or named but not given, is left out.
        {S::flagSetup | S::flagSensorType, 0x1D, {"SensorType"}},
        {S::flagSetup | S::flagSensorType, 0x1E, {"SensorType"}},
    };
    CVdXmlGpsReference ref;
    for (const auto& c : cases) {
        VDXML_GPS_REFERENCE reference = FullSetup<VDXML_GPS_REFERENCE>();
        reference.Flags = c.flags;
        reference.Antenna.Flags = c.antennaFlags;
        EXPECT_EQ(ref.Create(Application(), reference), S_OK);
    }
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("Ref"), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(app.child("Ref", i)->childNames(), cases[i].expected) << i;
    // A named antenna alone: its name and both offsets, zero or not.
    const XmlTree& ant = *app.child("Ref", 2)->child("Ant");
    EXPECT_EQ(ant.childNames(), (Names{"AntName", "AntVO", "AntHzO"}));
    EXPECT_EQ(ant.childText("AntHzO"), "0.10000");
}

TEST_P(GpsWrite, AntennaTypeWithoutModelTextEndsTheSetupAfterTheType) {
    CVdXmlGpsRover rov;
    for (const std::int32_t code : {-1, 0, 49}) {
        VDXML_GPS_ROVER rover = FullRover();
        rover.Antenna.AntType = code;
        EXPECT_EQ(rov.Create(Application(), rover), code == -1 ? S_OK : E_FAIL) << code;
    }
    CVdXmlGpsReference ref;
    VDXML_GPS_REFERENCE reference = FullSetup<VDXML_GPS_REFERENCE>();
    reference.Antenna.AntType = 0;
    EXPECT_EQ(ref.Create(Application(), reference), E_FAIL);

    const XmlTree& app = Written();
    EXPECT_EQ(app.child("Rov", 0)->child("Ant")->childText("AntType"), "-1");  // "Invalid"
    EXPECT_EQ(app.child("Rov", 0)->childNames().back(), "TSCE");
    for (std::size_t i = 1; i < 3; ++i) {
        // Nothing after the failing type: no serial number, offsets, DOPs or time span.
        const XmlTree& r = *app.child("Rov", i);
        EXPECT_EQ(r.childNames(), (Names{"SensorType", "SensorSerialNr", "AntHgt", "Ant"}));
        EXPECT_EQ(r.child("Ant")->childNames(), (Names{"AntName", "AntType"}));
        EXPECT_EQ(r.child("Ant")->childText("AntType"), i == 1 ? "0" : "49");
    }
    EXPECT_EQ(Below("Ref/Ant").childNames(), (Names{"AntName", "AntType"}));
}

TEST_P(GpsWrite, DopsByTheirFlagsAndTheReservedFigureAlone) {
    using D = VDXML_DOPS;
    const struct {
        std::uint8_t flags;
        Names expected;
    } cases[] = {
        {D::flagReservedDOP, {}},
        {D::flagGDOP | D::flagHDOP, {"HDOP", "GDOP"}},
        {D::flagPDOP | D::flagVDOP, {"VDOP", "PDOP"}},
    };
    CVdXmlGpsRover rov;
    for (const auto& c : cases) {
        VDXML_GPS_ROVER rover = FullRover();
        rover.Flags = VDXML_GPS_SETUP::flagSetup;
        rover.Antenna.Flags = 0;
        rover.TSCE = VDXML_TIMESPAN();
        rover.DOPs.Flags = c.flags;
        EXPECT_EQ(rov.Create(Application(), rover), S_OK);
    }
    const XmlTree& app = Written();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ASSERT_EQ(app.child("Rov", i)->childNames(), Names{"DOPs"});
        EXPECT_EQ(app.child("Rov", i)->child("DOPs")->childNames(), cases[i].expected) << i;
    }

    // Called directly, the writers refuse what they cannot write, before writing.
    CVdXmlNode out;
    VDXML_DOPS noFigure;
    noFigure.Flags = 0xE0;
    EXPECT_EQ(Application().InsertDOPs(noFigure, out), E_FAIL);
    VDXML_ANTENNA antenna = FullAntenna();
    for (const std::uint8_t flags : {0x00, 0x01, 0x02, 0x1D}) {
        antenna.Flags = flags;
        EXPECT_EQ(Application().InsertAntenna(antenna, out), E_FAIL) << int(flags);
    }
    EXPECT_EQ(out.GetElement(), nullptr);
}

TEST_P(GpsWrite, BaselineHoldsOneCoordinateDifference) {
    VDXML_GPSBASELINE baseline;
    baseline.Flags = VDXML_GPSBASELINE::flagBaseline;
    CVdXmlGpsBaseline bl;
    ASSERT_EQ(bl.Create(Application(), baseline), S_OK);
    baseline.DCoord.Wgs84DXyz.Flags = VDXML_DCARTESIAN::flagDXyz;
    baseline.DCoord.Wgs84DXyz.DX = 120.5;
    ASSERT_EQ(bl.Create(Application(), baseline), S_OK);
    const XmlTree& app = Written();
    EXPECT_EQ(app.child("GpsBl", 0)->childNames(), Names{"DCrd"});
    EXPECT_TRUE(app.child("GpsBl", 0)->child("DCrd")->childNames().empty());
    EXPECT_EQ(Path(*app.child("GpsBl", 1), "DCrd/W84/DXYZ").childText("DX"), "120.50000");
}

VDXML_INSTANTIATE_BOTH_BACKENDS(GpsWrite);

TEST(GpsBackEnds, WriteTheSameTree) {
    const XmlTree app = ExpectSameOnBothBackEnds([](const CVdXmlNode& application) {
        CVdXmlNode gps;  // the enclosing "Gps" element is the caller's
        ASSERT_EQ(gps.Create(application, _bstr_t(L"Gps"), nullptr), S_OK);
        CVdXmlGpsReference ref;
        CVdXmlGpsRover rov;
        CVdXmlGpsBaseline bl;
        EXPECT_EQ(ref.Create(gps, FullSetup<VDXML_GPS_REFERENCE>()), S_OK);
        EXPECT_EQ(rov.Create(gps, FullRover()), S_OK);
        VDXML_GPS_ROVER failing = FullRover();
        failing.Antenna.AntType = 0;
        EXPECT_EQ(rov.Create(gps, failing), E_FAIL);
        VDXML_GPSBASELINE baseline;
        baseline.Flags = VDXML_GPSBASELINE::flagBaseline;
        EXPECT_EQ(bl.Create(gps, baseline), S_OK);
    });
    EXPECT_EQ(Path(app, "Gps").childNames(), (Names{"Ref", "Rov", "Rov", "GpsBl"}));
    EXPECT_EQ(Path(app, "Gps/Ref").childNames(),
              (Names{"SensorType", "SensorSerialNr", "AntHgt", "Ant"}));
}

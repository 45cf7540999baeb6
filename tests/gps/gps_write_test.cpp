// Writing rover, reference and baseline: refusals, the order and conditions of the children,
// the antenna and its model codes, the DOPs and the sameness of both back ends.
#include <gtest/gtest.h>

#include <cmath>

#include "gps_samples.h"
#include "support/application_fixture.h"
#include "vdxml/gps_baseline.h"
#include "vdxml/gps_reference.h"
#include "vdxml/gps_rover.h"

using namespace vdxml_test;

class GpsWrite : public ApplicationTest {};

TEST_P(GpsWrite, RecordsWithoutTheirGivenFlagAreRefusedBeforeWriting) {
    VDXML_GPS_ROVER rover = FullRover();
    rover.Flags &= ~VDXML_GPS_SETUP::flagSetup;
    VDXML_GPS_REFERENCE reference = FullSetup<VDXML_GPS_REFERENCE>();
    reference.Flags &= ~VDXML_GPS_SETUP::flagSetup;
    VDXML_GPSBASELINE baseline;  // flag not set
    CVdXmlGpsRover rov;
    CVdXmlGpsReference ref;
    CVdXmlGpsBaseline bl;
    EXPECT_EQ(rov.Create(Application(), rover), E_FAIL);
    EXPECT_EQ(ref.Create(Application(), reference), E_FAIL);
    EXPECT_EQ(bl.Create(Application(), baseline), E_FAIL);

    CVdXmlNode orphan;  // belongs to no document
    baseline.Flags = VDXML_GPSBASELINE::flagBaseline;
    EXPECT_EQ(rov.Create(orphan, FullRover()), E_FAIL);
    EXPECT_EQ(ref.Create(orphan, FullSetup<VDXML_GPS_REFERENCE>()), E_FAIL);
    EXPECT_EQ(bl.Create(orphan, baseline), E_FAIL);

    const XmlTree& app = Written();
    EXPECT_EQ(app.count("Rov") + app.count("Ref") + app.count("GpsBl"), 0u);
}

TEST_P(GpsWrite, FullRoverInLayoutOrder) {
    CVdXmlGpsRover rov;
    ASSERT_EQ(rov.Create(Application(), FullRover()), S_OK);
    Written();
    const XmlTree& r = Below("Rov");
    EXPECT_EQ(r.childNames(),
              (Names{"SensorType", "SensorSerialNr", "AntHgt", "Ant", "DOPs", "TSCE"}));
    EXPECT_EQ(r.childText("SensorType"), "Dual-frequency receiver");
    EXPECT_EQ(r.childText("SensorSerialNr"), "R-4711");
    EXPECT_EQ(r.childText("AntHgt"), "1.80000");

    const XmlTree& ant = Below("Rov/Ant");
    EXPECT_EQ(ant.childNames(),
              (Names{"AntName", "AntType", "AntSn", "AntVO", "AntHzO", "AntL1PhO", "AntL1EPhO",
                     "AntL1NPhO", "AntL2PhO", "AntL2EPhO", "AntL2NPhO"}));
    EXPECT_EQ(ant.childText("AntName"), "Pole antenna");
    EXPECT_EQ(ant.childText("AntType"), "7");
    EXPECT_EQ(ant.childText("AntSn"), "A-1024");
    EXPECT_EQ(ant.childText("AntVO"), "0.03450");
    EXPECT_EQ(ant.childText("AntL1PhO"), "0.06250");
    EXPECT_EQ(ant.childText("AntL1NPhO"), "-0.00120");
    EXPECT_EQ(ant.childText("AntL2PhO"), "0.05810");
    EXPECT_EQ(ant.childText("AntL2NPhO"), "-0.00220");

    // The reserved figure opens the block but is never written.
    const XmlTree& dops = Below("Rov/DOPs");
    EXPECT_EQ(dops.childNames(), (Names{"HDOP", "VDOP", "PDOP", "GDOP"}));
    EXPECT_EQ(dops.childText("HDOP"), "1.20000");
    EXPECT_EQ(dops.childText("VDOP"), "1.90000");
    EXPECT_EQ(dops.childText("PDOP"), "2.25000");
    EXPECT_EQ(dops.childText("GDOP"), "2.60000");
}

TEST_P(GpsWrite, ReferenceHasTheSetupChildrenOnly) {
    CVdXmlGpsReference ref;
    ASSERT_EQ(ref.Create(Application(), FullSetup<VDXML_GPS_REFERENCE>()), S_OK);
    Written();
    EXPECT_EQ(Below("Ref").childNames(), (Names{"SensorType", "SensorSerialNr", "AntHgt", "Ant"}));
    EXPECT_EQ(Below("Ref/Ant").count("AntL2NPhO"), 1u);
}

TEST_P(GpsWrite, EachSetupChildByItsOwnCondition) {
    using S = VDXML_GPS_SETUP;
    struct Case {
        std::uint8_t flags;
        std::uint8_t antennaFlags;
        Names expected;
    };
    const Case cases[] = {
        {S::flagSetup, 0, {}},
        {S::flagSetup | S::flagSensorSerialNr, 0, {"SensorSerialNr"}},
        {S::flagSetup | S::flagAntHgt, VDXML_ANTENNA::maskRequired, {"AntHgt", "Ant"}},
        // An antenna given but not named, or named but not given, is left out.
        {S::flagSetup | S::flagSensorType, 0x1D, {"SensorType"}},
        {S::flagSetup | S::flagSensorType, 0x1E, {"SensorType"}},
    };
    CVdXmlGpsReference ref;
    for (const Case& c : cases) {
        VDXML_GPS_REFERENCE reference = FullSetup<VDXML_GPS_REFERENCE>();
        reference.Flags = c.flags;
        reference.Antenna.Flags = c.antennaFlags;
        EXPECT_EQ(ref.Create(Application(), reference), S_OK) << int(c.flags);
    }
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("Ref"), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(app.child("Ref", i)->childNames(), cases[i].expected) << i;
}

TEST_P(GpsWrite, NamedAntennaAloneWritesItsNameAndZeroOffsets) {
    VDXML_GPS_ROVER rover;
    rover.Flags = VDXML_GPS_SETUP::flagSetup;
    rover.Antenna.Flags = VDXML_ANTENNA::maskRequired;
    rover.Antenna.AntName = L"Survey dome";
    CVdXmlGpsRover rov;
    ASSERT_EQ(rov.Create(Application(), rover), S_OK);
    Written();
    const XmlTree& ant = Below("Rov/Ant");
    EXPECT_EQ(ant.childNames(), (Names{"AntName", "AntVO", "AntHzO"}));
    EXPECT_EQ(ant.childText("AntVO"), "0.00000");
    EXPECT_EQ(ant.childText("AntHzO"), "0.00000");
}

TEST_P(GpsWrite, AntennaTypeWithoutModelTextEndsTheSetupAfterTheType) {
    CVdXmlGpsRover rov;
    VDXML_GPS_ROVER invalid = FullRover();
    invalid.Antenna.AntType = -1;  // "Invalid" is a text of its own
    ASSERT_EQ(rov.Create(Application(), invalid), S_OK);
    for (const std::int32_t code : {0, 49, -2}) {
        VDXML_GPS_ROVER rover = FullRover();
        rover.Antenna.AntType = code;
        EXPECT_EQ(rov.Create(Application(), rover), E_FAIL) << code;
    }
    CVdXmlGpsReference ref;
    VDXML_GPS_REFERENCE reference = FullSetup<VDXML_GPS_REFERENCE>();
    reference.Antenna.AntType = 0;
    EXPECT_EQ(ref.Create(Application(), reference), E_FAIL);

    const XmlTree& app = Written();
    ASSERT_EQ(app.count("Rov"), 4u);
    EXPECT_EQ(app.child("Rov", 0)->child("Ant")->childText("AntType"), "-1");
    EXPECT_EQ(app.child("Rov", 0)->childNames().back(), "TSCE");
    const char* codes[] = {"0", "49", "-2"};
    for (std::size_t i = 1; i < 4; ++i) {
        const XmlTree& r = *app.child("Rov", i);
        // Nothing after the failing type: no serial number, offsets, DOPs or time span.
        EXPECT_EQ(r.childNames(), (Names{"SensorType", "SensorSerialNr", "AntHgt", "Ant"}));
        EXPECT_EQ(r.child("Ant")->childNames(), (Names{"AntName", "AntType"}));
        EXPECT_EQ(r.child("Ant")->childText("AntType"), codes[i - 1]);
    }
    EXPECT_EQ(Below("Ref/Ant").childNames(), (Names{"AntName", "AntType"}));
}

TEST_P(GpsWrite, DopsByTheirFlagsAndTheReservedFigureAlone) {
    struct Case {
        std::uint8_t flags;
        Names expected;
    };
    const Case cases[] = {
        {VDXML_DOPS::flagReservedDOP, {}},
        {VDXML_DOPS::flagGDOP | VDXML_DOPS::flagHDOP, {"HDOP", "GDOP"}},
        {VDXML_DOPS::flagPDOP | VDXML_DOPS::flagVDOP, {"VDOP", "PDOP"}},
    };
    CVdXmlGpsRover rov;
    for (const Case& c : cases) {
        VDXML_GPS_ROVER rover;
        rover.Flags = VDXML_GPS_SETUP::flagSetup;
        rover.DOPs = FullRover().DOPs;
        rover.DOPs.Flags = c.flags;
        EXPECT_EQ(rov.Create(Application(), rover), S_OK);
    }
    VDXML_GPS_ROVER none;  // no DOP flag: no "DOPs" at all
    none.Flags = VDXML_GPS_SETUP::flagSetup;
    none.DOPs.HDOP = 1.0;
    EXPECT_EQ(rov.Create(Application(), none), S_OK);

    const XmlTree& app = Written();
    ASSERT_EQ(app.count("Rov"), 4u);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ASSERT_EQ(app.child("Rov", i)->childNames(), Names{"DOPs"});
        EXPECT_EQ(app.child("Rov", i)->child("DOPs")->childNames(), cases[i].expected) << i;
    }
    EXPECT_TRUE(app.child("Rov", 3)->childNames().empty());
}

TEST_P(GpsWrite, NodeWritersRefuseWhatTheyCannotWrite) {
    CVdXmlNode out;
    VDXML_ANTENNA antenna = FullAntenna();
    for (const std::uint8_t flags : {0x00, 0x01, 0x02, 0x1D}) {
        antenna.Flags = flags;
        EXPECT_EQ(Application().InsertAntenna(antenna, out), E_FAIL) << int(flags);
    }
    VDXML_DOPS dops = FullRover().DOPs;
    dops.Flags = 0xE0;  // bits that name no figure
    EXPECT_EQ(Application().InsertDOPs(dops, out), E_FAIL);
    EXPECT_EQ(out.GetElement(), nullptr);

    antenna.Flags = VDXML_ANTENNA::maskRequired;
    EXPECT_EQ(Application().InsertAntenna(antenna, out), S_OK);
    CVdXmlNode dopsNode;
    dops.Flags = VDXML_DOPS::flagVDOP;
    EXPECT_EQ(Application().InsertDOPs(dops, dopsNode), S_OK);
    // The receiving node is the new element: more can be written into it.
    EXPECT_EQ(dopsNode.InsertEntry(_bstr_t(L"Extra"), 1.0, 1), S_OK);

    const XmlTree& app = Written();
    EXPECT_EQ(app.count("Ant"), 1u);
    EXPECT_EQ(Below("DOPs").childNames(), (Names{"VDOP", "Extra"}));
}

TEST_P(GpsWrite, NonFiniteAntennaHeightIsSkippedAsSuccess) {
    VDXML_GPS_ROVER rover;
    rover.Flags = VDXML_GPS_SETUP::flagSetup | VDXML_GPS_SETUP::flagAntHgt;
    rover.AntHgt = std::nan("");
    CVdXmlGpsRover rov;
    EXPECT_EQ(rov.Create(Application(), rover), S_FALSE);
    Written();
    EXPECT_TRUE(Below("Rov").childNames().empty());
}

TEST_P(GpsWrite, BaselineHoldsOneCoordinateDifference) {
    VDXML_GPSBASELINE baseline;
    baseline.Flags = VDXML_GPSBASELINE::flagBaseline;
    baseline.DCoord.Wgs84DXyz.Flags = VDXML_DCARTESIAN::flagDXyz;
    baseline.DCoord.Wgs84DXyz.DX = 120.5;
    baseline.DCoord.Wgs84DXyz.DY = -33.25;
    baseline.DCoord.Wgs84DXyz.DZ = 4.0;
    CVdXmlGpsBaseline bl;
    ASSERT_EQ(bl.Create(Application(), baseline), S_OK);
    VDXML_GPSBASELINE empty;
    empty.Flags = VDXML_GPSBASELINE::flagBaseline;
    ASSERT_EQ(bl.Create(Application(), empty), S_OK);

    const XmlTree& app = Written();
    ASSERT_EQ(app.count("GpsBl"), 2u);
    EXPECT_EQ(app.child("GpsBl", 0)->childNames(), Names{"DCrd"});
    const XmlTree& dxyz = Path(*app.child("GpsBl", 0), "DCrd/W84/DXYZ");
    EXPECT_EQ(dxyz.childText("DX"), "120.50000");
    EXPECT_EQ(dxyz.childText("DY"), "-33.25000");
    EXPECT_EQ(app.child("GpsBl", 1)->childNames(), Names{"DCrd"});
    EXPECT_TRUE(app.child("GpsBl", 1)->child("DCrd")->childNames().empty());
}

VDXML_INSTANTIATE_BOTH_BACKENDS(GpsWrite);

TEST(GpsBackEnds, WriteTheSameTree) {
    const XmlTree app = ExpectSameOnBothBackEnds([](const CVdXmlNode& application) {
        // The enclosing "Gps" element is the caller's.
        CVdXmlNode gps;
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
        baseline.DCoord.Flags = VDXML_DCOORD::flagACPos;
        baseline.DCoord.ACPos = 0.002;
        EXPECT_EQ(bl.Create(gps, baseline), S_OK);
    });
    EXPECT_EQ(Path(app, "Gps").childNames(), (Names{"Ref", "Rov", "Rov", "GpsBl"}));
    EXPECT_EQ(Path(app, "Gps/Rov/TSCE").childNames(), (Names{"Start", "End", "Span"}));
}

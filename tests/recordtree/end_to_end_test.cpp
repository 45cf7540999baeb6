// A survey holding every element kind that reading reports, written by the library through
// each back end, loaded into a record tree and replayed: the notifications come in the order
// of the file and the records hold what each element's reader restores.
#include "recordtree/record_tree_fixture.h"
#include "recordtree/survey_sample.h"
#include "support/document_fixture.h"

using namespace vdxml_test;

namespace {

const Names kSurveyNotifications = {"OnVdXmlBegin",
                                    "OnCoordinateSystem",
                                    "OnTrfResidual",
                                    "OnCoord",
                                    "OnCoordClose",
                                    "OnDCoord",
                                    "OnDCoordClose",
                                    "OnTrfResidualClose",
                                    "OnCoordinateSystemClose",
                                    "OnProject",
                                    "OnPoint",
                                    "OnCoord",
                                    "OnCoordClose",
                                    "OnDCoord",
                                    "OnDCoordClose",
                                    "OnPointClose",
                                    "OnTpsSetup",
                                    "OnTpsSetupDetails",
                                    "OnTpsSetupDetailsClose",
                                    "OnTpsObsSet",
                                    "OnTpsObsSetClose",
                                    "OnTpsSetupClose",
                                    "OnPoint",
                                    "OnGpsBaseline",
                                    "OnDCoord",
                                    "OnDCoordClose",
                                    "OnGpsBaselineClose",
                                    "OnGpsReference",
                                    "OnGpsReferenceClose",
                                    "OnGpsRover",
                                    "OnGpsRoverClose",
                                    "OnCode",
                                    "OnCodeClose",
                                    "OnAttribute",
                                    "OnAttributeClose",
                                    "OnPointClose",
                                    "OnProjectClose",
                                    "OnVdXmlClose"};

class EndToEnd : public BothBackEnds {
  protected:
    void SetUp() override {
        StartDocument();
        if (IsSkipped() || HasFatalFailure()) return;
        WriteSampleSurvey(doc);
        if (HasFatalFailure()) return;
        ASSERT_EQ(doc.Save(), S_OK);
        ASSERT_EQ(tree.Load(path().c_str()), S_OK);
    }

    /// The record at index, which must be of the given type; a default record otherwise.
    template <class Record>
    const Record& At(SampleNode index, std::int32_t type) {
        static const Record kNone;
        const VDXML_BASE* record = tree.GetNode(index);
        EXPECT_NE(record, nullptr) << index;
        if (!record) return kNone;
        EXPECT_EQ(record->nType, type) << index;
        return record->nType == type ? *static_cast<const Record*>(record) : kNone;
    }
    /// The slots that were set at the index-th notification of the last replay.
    std::uint32_t SlotsAt(std::size_t index) const {
        return index < log.Entries().size() ? log.Entries()[index].slots : 0u;
    }

    CVdXmlTree tree;
    NotificationLog log;
};

TEST_P(EndToEnd, ReplayFollowsTheWrittenFile) {
    EXPECT_EQ(tree.GetFileCount(), 1);
    EXPECT_NE(tree.GetNode(kSampleNodeCount - 1), nullptr);
    EXPECT_EQ(tree.GetNode(kSampleNodeCount), nullptr);
    ASSERT_EQ(tree.Scan(&log), S_OK);
    EXPECT_EQ(log.Names(), kSurveyNotifications);
}

TEST_P(EndToEnd, ReplaySeesEveryEnclosingRecord) {
    ASSERT_EQ(tree.Scan(&log), S_OK);
    ASSERT_EQ(log.Entries().size(), kSurveyNotifications.size());
    const std::uint32_t system = kSlotRoot | kSlotCoordinateSystem;
    EXPECT_EQ(SlotsAt(3), system | kSlotTrfResidual | kSlotCoord);  // the control point
    const std::uint32_t project = kSlotRoot | kSlotProject;
    EXPECT_EQ(SlotsAt(9), project);
    EXPECT_EQ(SlotsAt(11), project | kSlotPoint | kSlotCoord);
    EXPECT_EQ(SlotsAt(17), project | kSlotTpsSetup | kSlotTpsSetupDetails);
    EXPECT_EQ(SlotsAt(19), project | kSlotTpsSetup | kSlotTpsObsSet);
    const std::uint32_t point = project | kSlotPoint;
    EXPECT_EQ(SlotsAt(24), point | kSlotGpsBaseline | kSlotDCoord);
    EXPECT_EQ(SlotsAt(29), point | kSlotGpsRover);
    EXPECT_EQ(SlotsAt(33), point | kSlotThematicalAttribute);
}

TEST_P(EndToEnd, OmittingTheCoordinateSystemLeavesTheSurvey) {
    ASSERT_EQ(tree.OmitNode(kCoordinateSystem, true, false), S_OK);
    ASSERT_EQ(tree.Scan(&log), S_OK);
    Names expected = kSurveyNotifications;
    expected.erase(expected.begin() + 1, expected.begin() + 9);
    EXPECT_EQ(log.Names(), expected);
}

TEST_P(EndToEnd, RootAndGeometryRecordsHoldWhatWasWritten) {
    const auto& root = At<VDXML_ROOT>(kRoot, VDXML_TYPE_ROOT);
    EXPECT_EQ(root.Company, _bstr_t(L"Survey Co"));
    EXPECT_EQ(root.Application, _bstr_t(L"Field App"));
    EXPECT_EQ(root.Version.Major, 2);
    EXPECT_EQ(root.Version.Minor, 1);
    EXPECT_EQ(root.Version.Build, 7u);
    EXPECT_EQ(root.Units.TimeSystem, 2u);

    const auto& project = At<VDXML_PROJECT>(kProject, VDXML_TYPE_PROJECT);
    EXPECT_EQ(project.Name, _bstr_t(L"Survey"));
    EXPECT_EQ(project.Note, _bstr_t(L"north sector"));
    EXPECT_NEAR(project.Created, 53736.5, 1e-8);

    for (SampleNode index : {kPoint1, kPoint2}) {
        const auto& point = At<VDXML_POINT>(index, VDXML_TYPE_POINT);
        EXPECT_EQ(point.Name, _bstr_t(index == kPoint1 ? L"P1" : L"P2"));
        EXPECT_EQ(point.Note, _bstr_t(L"bolt"));
        EXPECT_EQ(point.Class, static_cast<std::uint32_t>(VDXML_PNT_CLASS_MEASURED));
        EXPECT_NEAR(point.Epoch, 53736.25, 1e-8);
    }

    const auto& coord = At<VDXML_COORD>(kCoord, VDXML_TYPE_COORD);
    EXPECT_EQ(coord.LocalEnh.Flags, VDXML_GRID::flagEN);
    EXPECT_DOUBLE_EQ(coord.LocalEnh.E, 2600200.125);
    EXPECT_DOUBLE_EQ(coord.LocalEnh.N, 1200300.5);

    // Differences, coordinate systems and residuals are reported, but their readers restore
    // no value.
    for (SampleNode index : {kDCoord, kResidualDCoord, kBaselineDCoord})
        EXPECT_EQ(At<VDXML_DCOORD>(index, VDXML_TYPE_DCOORD).Wgs84DXyz.Flags, 0) << index;
    const auto& system = At<VDXML_COORDINATESYSTEM>(kCoordinateSystem, VDXML_TYPE_COORDINATESYSTEM);
    EXPECT_TRUE(system.Name.empty());
    EXPECT_EQ(system.Transformation.Type, static_cast<std::uint32_t>(VDXML_TRANSFORMATION_NONE));
    const auto& residual = At<VDXML_TRFRESIDUAL>(kTrfResidual, VDXML_TYPE_TRFRESIDUAL);
    EXPECT_EQ(residual.Type, VDXML_COORD_TYPE_NONE);
    EXPECT_EQ(residual.Flags, 0);
    // The control point's coordinate sits one level higher than a point's: nothing lands.
    EXPECT_EQ(At<VDXML_COORD>(kResidualSourceCoord, VDXML_TYPE_COORD).LocalEnh.Flags, 0);
}

TEST_P(EndToEnd, TotalStationRecordsHoldWhatWasWritten) {
    const auto& setup = At<VDXML_TPS_SETUP>(kSetup, VDXML_TYPE_TPS_SETUP);
    EXPECT_EQ(setup.Flags, VDXML_TPS_SETUP::flagInstrHgt | VDXML_TPS_SETUP::flagInstrOrientation);
    EXPECT_DOUBLE_EQ(setup.InstrHgt, 1.567);
    EXPECT_DOUBLE_EQ(setup.InstrOrientation, 0.25);
    EXPECT_EQ(setup.Instrument.Type, _bstr_t(L"TS16"));

    // Setup details are reported without any value read.
    const auto& details = At<VDXML_TPS_SETUP_DETAILS>(kSetupDetails, VDXML_TYPE_TPS_SETUP_DETAILS);
    EXPECT_EQ(details.Method, static_cast<std::uint32_t>(VDXML_TPS_METHOD_INVALID));

    const auto& obs = At<VDXML_TPS_OBSSET>(kObsSet, VDXML_TYPE_TPS_OBSSET);
    EXPECT_EQ(obs.Flags,
              VDXML_TPS_OBSSET::flagHz | VDXML_TPS_OBSSET::flagZen | VDXML_TPS_OBSSET::flagDistS);
    EXPECT_DOUBLE_EQ(obs.Hz, 1.25);
    EXPECT_DOUBLE_EQ(obs.Zen, 1.5);
    EXPECT_DOUBLE_EQ(obs.DistS, 123.456);
    EXPECT_EQ(obs.Reflector.Type, static_cast<std::uint32_t>(VDXML_TPS_REFLECTOR_ROUND_PRISM));
    EXPECT_DOUBLE_EQ(obs.Reflector.Hgt, 1.3);
}

TEST_P(EndToEnd, GpsRecordsHoldWhatWasWritten) {
    EXPECT_EQ(At<VDXML_GPSBASELINE>(kBaseline, VDXML_TYPE_GPSBASELINE).Flags,
              VDXML_GPSBASELINE::flagBaseline);

    using S = VDXML_GPS_SETUP;
    const std::uint8_t receiver =
        S::flagSetup | S::flagSensorType | S::flagSensorSerialNr | S::flagAntHgt;
    const auto& reference = At<VDXML_GPS_REFERENCE>(kReference, VDXML_TYPE_GPS_REFERENCE);
    EXPECT_EQ(reference.Flags, receiver);
    EXPECT_EQ(reference.SensorType, _bstr_t(L"GX1230"));
    EXPECT_EQ(reference.SensorSerialNr, _bstr_t(L"471100"));
    EXPECT_DOUBLE_EQ(reference.AntHgt, 1.234);
    EXPECT_EQ(reference.Antenna.AntName, _bstr_t(L"AX1202"));

    const auto& rover = At<VDXML_GPS_ROVER>(kRover, VDXML_TYPE_GPS_ROVER);
    EXPECT_EQ(rover.Flags, receiver);
    EXPECT_EQ(rover.SensorSerialNr, _bstr_t(L"471101"));
    EXPECT_EQ(rover.DOPs.Flags, VDXML_DOPS::flagPDOP | VDXML_DOPS::flagHDOP);
    EXPECT_DOUBLE_EQ(rover.DOPs.PDOP, 1.8);
    EXPECT_DOUBLE_EQ(rover.DOPs.HDOP, 0.9);
    EXPECT_NEAR(rover.TSCE.Start, 53736.5, 1e-6);
    EXPECT_NEAR(rover.TSCE.End, 53736.5 + 1.0 / 24.0, 1e-6);
    EXPECT_NEAR(rover.TSCE.Span, 1.0 / 24.0, 1e-6);
}

TEST_P(EndToEnd, ThematicRecordsHoldWhatWasWritten) {
    const auto& code = At<VDXML_THEMATICAL_CODE>(kCode, VDXML_TYPE_THEMATICAL_CODE);
    EXPECT_EQ(code.ItemName.Name, _bstr_t(L"Tree"));
    EXPECT_EQ(code.Type, static_cast<std::uint32_t>(VDXML_THEMATICAL_GEOMETRY_POINT));
    EXPECT_EQ(code.CodeDesc, _bstr_t(L"deciduous tree"));

    const auto& attribute =
        At<VDXML_THEMATICAL_ATTRIBUTE>(kAttribute, VDXML_TYPE_THEMATICAL_ATTRIBUTE);
    EXPECT_EQ(attribute.Flags, VDXML_THEMATICAL_ATTRIBUTE::flagAttribute);
    EXPECT_EQ(attribute.ItemName.Name, _bstr_t(L"Height"));
    EXPECT_EQ(attribute.TextValue, _bstr_t(L"12 m"));
    EXPECT_EQ(attribute.ValueType, static_cast<std::uint32_t>(VDXML_THEMATICAL_VALUE_TEXT));
}

VDXML_INSTANTIATE_BOTH_BACKENDS(EndToEnd);

}  // namespace

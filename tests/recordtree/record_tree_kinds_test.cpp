// Every element kind is copied into the tree with its own record type (chosen by type code)
// and replayed with its own notification pair.
#include <iterator>

#include "recordtree/record_tree_fixture.h"
#include "vdxml/gps_records.h"
#include "vdxml/thematic_records.h"

using namespace vdxml_test;

namespace {

struct Kind {
    const char* element;
    std::int32_t type;
    const char* open;
};

// Nested in this order, each inside the one before.
const Kind kKinds[] = {
    {"Project", VDXML_TYPE_PROJECT, "OnProject"},
    {"Pnt", VDXML_TYPE_POINT, "OnPoint"},
    {"Crd", VDXML_TYPE_COORD, "OnCoord"},
    {"DCrd", VDXML_TYPE_DCOORD, "OnDCoord"},
    {"TpsSetup", VDXML_TYPE_TPS_SETUP, "OnTpsSetup"},
    {"TpsSetupDetails", VDXML_TYPE_TPS_SETUP_DETAILS, "OnTpsSetupDetails"},
    {"TpsObsSet", VDXML_TYPE_TPS_OBSSET, "OnTpsObsSet"},
    {"CoordinateSystem", VDXML_TYPE_COORDINATESYSTEM, "OnCoordinateSystem"},
    {"TrfResidual", VDXML_TYPE_TRFRESIDUAL, "OnTrfResidual"},
    {"GpsBl", VDXML_TYPE_GPSBASELINE, "OnGpsBaseline"},
    {"Ref", VDXML_TYPE_GPS_REFERENCE, "OnGpsReference"},
    {"Rov", VDXML_TYPE_GPS_ROVER, "OnGpsRover"},
    {"ThematicalCode", VDXML_TYPE_THEMATICAL_CODE, "OnCode"},
    {"ThematicalAttr", VDXML_TYPE_THEMATICAL_ATTRIBUTE, "OnAttribute"},
};

using RecordTreeKinds = RecordTreeTest;

TEST_F(RecordTreeKinds, EveryKindIsCopiedAndReplayedAsItself) {
    std::string open, close;
    for (const Kind& kind : kKinds) {
        open += "<" + std::string(kind.element) + ">";
        close = "</" + std::string(kind.element) + ">" + close;
    }
    ASSERT_EQ(LoadXml("<Company>" + open + close + "</Company>"), S_OK);
    ASSERT_NE(tree.GetNode(0), nullptr);
    EXPECT_EQ(tree.GetNode(0)->nType, VDXML_TYPE_ROOT);
    int index = 1;
    for (const Kind& kind : kKinds) {
        const VDXML_BASE* record = tree.GetNode(index++);
        ASSERT_NE(record, nullptr) << kind.element;
        EXPECT_EQ(record->nType, kind.type) << kind.element;
    }
    EXPECT_EQ(tree.GetNode(index), nullptr);

    const Names replayed = Replay();
    ASSERT_EQ(replayed.size(), 2 * (std::size(kKinds) + 1));
    for (std::size_t i = 0; i < std::size(kKinds); ++i) EXPECT_EQ(replayed[i + 1], kKinds[i].open);
}

TEST_F(RecordTreeKinds, CopiesKeepTheValuesOfTheDerivedRecords) {
    ASSERT_EQ(LoadXml("<Company><GpsBl><Ref><SensorType>GX1230</SensorType></Ref><Rov><DOPs>"
                      "<PDOP>1.5</PDOP></DOPs></Rov></GpsBl><ThematicalCode><Name>Tree</Name>"
                      "<CodeDesc>oak</CodeDesc></ThematicalCode><ThematicalAttr><Name>Height</Name>"
                      "<Value>12</Value></ThematicalAttr></Company>"),
              S_OK);
    const auto* baseline = static_cast<const VDXML_GPSBASELINE*>(tree.GetNode(1));
    EXPECT_EQ(baseline->Flags, VDXML_GPSBASELINE::flagBaseline);
    const auto* reference = static_cast<const VDXML_GPS_REFERENCE*>(tree.GetNode(2));
    ASSERT_EQ(reference->nType, VDXML_TYPE_GPS_REFERENCE);
    EXPECT_EQ(reference->SensorType, _bstr_t(L"GX1230"));
    const auto* rover = static_cast<const VDXML_GPS_ROVER*>(tree.GetNode(3));
    ASSERT_EQ(rover->nType, VDXML_TYPE_GPS_ROVER);
    EXPECT_DOUBLE_EQ(rover->DOPs.PDOP, 1.5);
    EXPECT_EQ(rover->DOPs.Flags, VDXML_DOPS::flagPDOP);
    const auto* code = static_cast<const VDXML_THEMATICAL_CODE*>(tree.GetNode(4));
    ASSERT_EQ(code->nType, VDXML_TYPE_THEMATICAL_CODE);
    EXPECT_EQ(code->ItemName.Name, _bstr_t(L"Tree"));
    EXPECT_EQ(code->CodeDesc, _bstr_t(L"oak"));
    const auto* attribute = static_cast<const VDXML_THEMATICAL_ATTRIBUTE*>(tree.GetNode(5));
    ASSERT_EQ(attribute->nType, VDXML_TYPE_THEMATICAL_ATTRIBUTE);
    EXPECT_EQ(attribute->ItemName.Name, _bstr_t(L"Height"));
    EXPECT_EQ(attribute->TextValue, _bstr_t(L"12"));
}

}  // namespace

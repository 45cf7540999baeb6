// Every element kind the parser knows: its open and close notification and its slot, each
// checked on a file holding that element alone below the root element.
#include "parser/parser_fixture.h"

using namespace vdxml_test;

namespace {

struct Kind {
    const char* element;
    const char* open;
    const char* close;
    std::uint32_t slot;
};

const Kind kKinds[] = {
    {"Project", "OnProject", "OnProjectClose", kSlotProject},
    {"Pnt", "OnPoint", "OnPointClose", kSlotPoint},
    {"Crd", "OnCoord", "OnCoordClose", kSlotCoord},
    {"DCrd", "OnDCoord", "OnDCoordClose", kSlotDCoord},
    {"TpsSetup", "OnTpsSetup", "OnTpsSetupClose", kSlotTpsSetup},
    {"TpsSetupDetails", "OnTpsSetupDetails", "OnTpsSetupDetailsClose", kSlotTpsSetupDetails},
    {"TpsObsSet", "OnTpsObsSet", "OnTpsObsSetClose", kSlotTpsObsSet},
    {"CoordinateSystem", "OnCoordinateSystem", "OnCoordinateSystemClose", kSlotCoordinateSystem},
    {"TrfResidual", "OnTrfResidual", "OnTrfResidualClose", kSlotTrfResidual},
    {"GpsBl", "OnGpsBaseline", "OnGpsBaselineClose", kSlotGpsBaseline},
    {"Ref", "OnGpsReference", "OnGpsReferenceClose", kSlotGpsReference},
    {"Rov", "OnGpsRover", "OnGpsRoverClose", kSlotGpsRover},
    {"ThematicalCode", "OnCode", "OnCodeClose", kSlotThematicalCode},
    {"ThematicalAttr", "OnAttribute", "OnAttributeClose", kSlotThematicalAttribute},
};

using ParserKinds = ParserTest;

TEST_F(ParserKinds, EachKindHasItsNotificationPairAndSlot) {
    for (const Kind& kind : kKinds) {
        log.Clear();
        const std::string element = kind.element;
        ASSERT_EQ(ParseXml("<Company><" + element + "/></Company>"), S_OK) << element;
        EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", kind.open, kind.close, "OnVdXmlClose"}))
            << element;
        if (log.Entries().size() != 4) continue;
        EXPECT_EQ(log.Entries()[1].slots, kSlotRoot | kind.slot) << element;
        EXPECT_EQ(log.Entries()[2].slots, kSlotRoot | kind.slot) << element;
        EXPECT_EQ(log.Entries()[3].slots, kSlotRoot) << element;
    }
}

using ParserReaders = ParserTest;

TEST_F(ParserReaders, RoverWithAnUnreadableSpanIsSkipped) {
    ASSERT_EQ(ParseXml("<Company><GpsBl><Ref/><Rov><TSCE><Span>soon</Span></TSCE><DCrd/></Rov>"
                       "<Rov><TSCE><Span>P0DT0H1M0S</Span></TSCE></Rov></GpsBl></Company>"),
              S_OK);
    EXPECT_EQ(log.Names(),
              (Names{"OnVdXmlBegin", "OnGpsBaseline", "OnGpsReference", "OnGpsReferenceClose",
                     "OnGpsRover", "OnGpsRoverClose", "OnGpsBaselineClose", "OnVdXmlClose"}));
}

}  // namespace

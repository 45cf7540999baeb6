// Reading setups, setup details and observation sets back from written files: what the
// readers restore with its flags, and what they leave at the record's defaults.
#include <gtest/gtest.h>

#include "support/dom_helpers.h"
#include "tps_fixture.h"
#include "vdxml/tps_obsset.h"
#include "vdxml/tps_setup.h"
#include "vdxml/tps_setup_details.h"

using namespace vdxml_test;

class TpsRead : public TpsTest {};

TEST_P(TpsRead, SetupRestoresHeightOrientationAndType) {
    CVdXmlTpsSetup writer;
    ASSERT_EQ(writer.Create(Application(), FullSetup()), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/TpsSetup");
    VDXML_TPS_SETUP setup;
    ASSERT_EQ(CVdXmlTpsSetup::Read(element, setup), S_OK);
    EXPECT_EQ(setup.nType, VDXML_TYPE_TPS_SETUP);
    EXPECT_EQ(setup.Flags, VDXML_TPS_SETUP::flagInstrHgt | VDXML_TPS_SETUP::flagInstrOrientation);
    EXPECT_DOUBLE_EQ(setup.InstrHgt, 1.567);
    EXPECT_DOUBLE_EQ(setup.InstrOrientation, 0.1);
    EXPECT_EQ(setup.Instrument.Flags, VDXML_TPS_INSTRUMENT::maskRequired);
    EXPECT_EQ(setup.Instrument.Type, _bstr_t(L"TS16"));
    // Written, but not read.
    EXPECT_TRUE(VdXmlIsUndefined(setup.Time));
    EXPECT_TRUE(setup.Instrument.ItemName.Name.empty());
    EXPECT_TRUE(setup.Instrument.InstrSn.empty());
    EXPECT_TRUE(setup.Instrument.InstrInfo.empty());
    EXPECT_EQ(setup.Instrument.Accuracy.AbsDistance, 0.0);
    EXPECT_EQ(setup.Instrument.Accuracy.Angle, 0.0);
}

TEST_P(TpsRead, SetupWithoutOrientationLeavesItsFlagClear) {
    CVdXmlTpsSetup writer;
    ASSERT_EQ(writer.Create(Application(), MinimalSetup()), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/TpsSetup");
    VDXML_TPS_SETUP setup;
    ASSERT_EQ(CVdXmlTpsSetup::Read(element, setup), S_OK);
    EXPECT_EQ(setup.Flags, VDXML_TPS_SETUP::flagInstrHgt);
    EXPECT_TRUE(VdXmlIsUndefined(setup.InstrOrientation));
}

TEST_P(TpsRead, ObsSetRestoresReflectorAndThreeObservations) {
    CVdXmlTpsObsSet writer;
    ASSERT_EQ(writer.Create(Application(), FullObsSet()), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/TpsObsSet");
    VDXML_TPS_OBSSET set;
    ASSERT_EQ(CVdXmlTpsObsSet::Read(element, set), S_OK);
    using O = VDXML_TPS_OBSSET;
    EXPECT_EQ(set.Flags, O::flagHz | O::flagZen | O::flagDistS);
    EXPECT_DOUBLE_EQ(set.Hz, 1.570796326794897);
    EXPECT_DOUBLE_EQ(set.Zen, 1.6);
    EXPECT_DOUBLE_EQ(set.DistS, 123.45679);
    EXPECT_EQ(set.Reflector.Flags, VDXML_TPS_REFLECTOR::flagReflector);
    EXPECT_EQ(set.Reflector.Type, VDXML_TPS_REFLECTOR_ROUND_PRISM);
    EXPECT_DOUBLE_EQ(set.Reflector.Hgt, 1.3);
    // Written, but not read.
    EXPECT_TRUE(VdXmlIsUndefined(set.DH));
    EXPECT_TRUE(VdXmlIsUndefined(set.DistHz));
    EXPECT_EQ(set.Time, 0.0);
    EXPECT_EQ(set.FaceType, VDXML_TPS_FACE_NONE);
    EXPECT_EQ(set.Accuracy.Flags, 0);
    EXPECT_EQ(set.Accuracy.AbsHz, 0.0);
}

TEST_P(TpsRead, ReflectorTypeWithoutHeightLeavesTheFlagClear) {
    CVdXmlTpsObsSet writer;
    VDXML_TPS_OBSSET unknownType = FullObsSet();
    unknownType.Reflector.Type = 12;  // fails after "Type"
    ASSERT_EQ(writer.Create(Application(), unknownType), E_FAIL);
    VDXML_ELEMENT element = Saved(L"Application/TpsObsSet");
    VDXML_TPS_OBSSET set;
    ASSERT_EQ(CVdXmlTpsObsSet::Read(element, set), S_OK);
    EXPECT_EQ(set.Reflector.Type, 12u);
    EXPECT_EQ(set.Reflector.Flags, 0);
    EXPECT_EQ(set.Flags, 0);
}

TEST_P(TpsRead, SetupDetailsReadsNoValue) {
    CVdXmlTpsSetupDetails writer;
    VDXML_TPS_SETUP_DETAILS written;
    written.Method = VDXML_TPS_METHOD_RESECTION;
    ASSERT_EQ(writer.Create(Application(), written), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/TpsSetupDetails");
    VDXML_TPS_SETUP_DETAILS details;
    EXPECT_EQ(CVdXmlTpsSetupDetails::Read(element, details), S_OK);
    EXPECT_EQ(details.Method, VDXML_TPS_METHOD_INVALID);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(TpsRead);

TEST(TpsReadElement, EmptyHandlesAreRefused) {
    VDXML_ELEMENT empty;
    VDXML_TPS_SETUP setup;
    VDXML_TPS_SETUP_DETAILS details;
    VDXML_TPS_OBSSET set;
    EXPECT_EQ(CVdXmlTpsSetup::Read(empty, setup), E_FAIL);
    EXPECT_EQ(CVdXmlTpsSetupDetails::Read(empty, details), E_FAIL);
    EXPECT_EQ(CVdXmlTpsObsSet::Read(empty, set), E_FAIL);
    EXPECT_EQ(setup.Flags, 0);
    EXPECT_EQ(set.Flags, 0);
}

TEST(TpsReadElement, MinusOneAndAllBitsSetAreTheSameReflectorType) {
    for (const wchar_t* text : {L"-1", L"4294967295"}) {
        const std::wstring xml = std::wstring(L"<TpsObsSet><Reflector><Type>") + text +
                                 L"</Type></Reflector><Hz>0.5</Hz></TpsObsSet>";
        IXMLDOMDocument2Ptr dom = LoadDomXml(xml);
        ASSERT_TRUE(dom);
        VDXML_ELEMENT element = ElementAt(dom, L"");
        VDXML_TPS_OBSSET set;
        set.Reflector.Type = VDXML_TPS_REFLECTOR_UNKNOWN;
        ASSERT_EQ(CVdXmlTpsObsSet::Read(element, set), S_OK);
        EXPECT_EQ(set.Reflector.Type, VDXML_TPS_REFLECTOR_NONE) << text;
        EXPECT_EQ(set.Flags, VDXML_TPS_OBSSET::flagHz);
    }
}

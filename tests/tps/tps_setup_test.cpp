// Writing setups and setup details: refusals, the order of the children, decimals, the
// optional instrument parts and the child-node table across calls.
#include "vdxml/tps_setup.h"

#include <gtest/gtest.h>

#include <limits>

#include "tps_fixture.h"
#include "vdxml/tps_setup_details.h"
#include "vdxml/tps_texts.h"

using namespace vdxml_test;

class TpsSetupWrite : public TpsTest {};

TEST_P(TpsSetupWrite, MissingMandatoryDataIsRefusedBeforeWriting) {
    VDXML_TPS_SETUP noHeight = FullSetup();
    noHeight.Flags = VDXML_TPS_SETUP::flagInstrOrientation;
    VDXML_TPS_SETUP typeOnly = FullSetup();
    typeOnly.Instrument.Flags = VDXML_TPS_INSTRUMENT::flagType;
    VDXML_TPS_SETUP instrumentOnly = FullSetup();
    instrumentOnly.Instrument.Flags = VDXML_TPS_INSTRUMENT::flagInstrument;
    CVdXmlTpsSetup setup;
    for (const VDXML_TPS_SETUP* record : {&noHeight, &typeOnly, &instrumentOnly})
        EXPECT_EQ(setup.Create(Application(), *record), E_FAIL);
    CVdXmlNode orphan;  // belongs to no document
    EXPECT_EQ(setup.Create(orphan, MinimalSetup()), E_FAIL);

    CVdXmlTpsSetupDetails details;
    EXPECT_EQ(details.Create(Application(), VDXML_TPS_SETUP_DETAILS()), E_FAIL);
    VDXML_TPS_SETUP_DETAILS resection;
    resection.Method = VDXML_TPS_METHOD_RESECTION;
    EXPECT_EQ(details.Create(orphan, resection), E_FAIL);

    EXPECT_EQ(Written().childNames(), (Names{"Name", "Version", "Units"}));
}

TEST_P(TpsSetupWrite, FullSetupInOrderWithItsDecimals) {
    CVdXmlTpsSetup setup;
    ASSERT_EQ(setup.Create(Application(), FullSetup()), S_OK);
    Written();
    const XmlTree& s = Nth("TpsSetup");
    EXPECT_EQ(s.childNames(), (Names{"Time", "InstrHgt", "InstrOrientation", "Instrument"}));
    EXPECT_EQ(s.childText("Time"), "2006-01-01T12:00:00.0000");
    EXPECT_EQ(s.child("Time")->attrs.at("dt:dt"), "datetime");
    EXPECT_EQ(s.childText("InstrHgt"), "1.56700");
    EXPECT_EQ(s.childText("InstrOrientation"), "0.100000000000000");
    const XmlTree& instrument = *s.child("Instrument");
    EXPECT_EQ(instrument.childNames(),
              (Names{"Name", "Note", "Type", "InstrSn", "InstrInfo", "TpsInstrAccuracy"}));
    EXPECT_EQ(instrument.childText("Name"), "Total station 2");
    EXPECT_EQ(instrument.childText("Note"), "calibrated");
    EXPECT_EQ(instrument.childText("Type"), "TS16");
    EXPECT_EQ(instrument.childText("InstrSn"), "884321");
    EXPECT_EQ(instrument.childText("InstrInfo"), "R500");
    const XmlTree& accuracy = *instrument.child("TpsInstrAccuracy");
    EXPECT_EQ(accuracy.childNames(), (Names{"AbsDistance", "RelDistance", "Angle"}));
    EXPECT_EQ(accuracy.childText("AbsDistance"), "0.00200");
    EXPECT_EQ(accuracy.childText("RelDistance"), "2.00000");
    EXPECT_EQ(accuracy.childText("Angle"), "0.000001500000000");
}

TEST_P(TpsSetupWrite, OptionalPartsAreLeftOut) {
    CVdXmlTpsSetup setup;
    ASSERT_EQ(setup.Create(Application(), MinimalSetup()), S_OK);
    VDXML_TPS_SETUP noteWithoutName = MinimalSetup();
    noteWithoutName.Instrument.ItemName.Note = L"orphan note";
    ASSERT_EQ(setup.Create(Application(), noteWithoutName), S_OK);
    VDXML_TPS_SETUP nameOnly = MinimalSetup();
    nameOnly.Instrument.ItemName.Name = L"TS A";
    ASSERT_EQ(setup.Create(Application(), nameOnly), S_OK);
    Written();
    EXPECT_EQ(Nth("TpsSetup", 0).childNames(), (Names{"InstrHgt", "Instrument"}));
    EXPECT_EQ(Nth("TpsSetup", 0).child("Instrument")->childNames(), Names{"Type"});
    EXPECT_EQ(Nth("TpsSetup", 1).child("Instrument")->childNames(), Names{"Type"});
    EXPECT_EQ(Nth("TpsSetup", 2).child("Instrument")->childNames(), (Names{"Name", "Type"}));
}

TEST_P(TpsSetupWrite, AccuracyOnlyWhenAllThreeArePositive) {
    const double triples[][3] = {
        {0.002, 2.0, 0.0}, {0.0, 2.0, 1e-6}, {0.002, -2.0, 1e-6}, {0.002, 2.0, 0.0000015}};
    CVdXmlTpsSetup setup;
    for (const auto& t : triples) {
        VDXML_TPS_SETUP record = MinimalSetup();
        record.Instrument.Accuracy.AbsDistance = t[0];
        record.Instrument.Accuracy.RelDistance = t[1];
        record.Instrument.Accuracy.Angle = t[2];
        ASSERT_EQ(setup.Create(Application(), record), S_OK);
    }
    Written();
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(Nth("TpsSetup", i).child("Instrument")->count("TpsInstrAccuracy"), 0u) << i;
    EXPECT_EQ(Nth("TpsSetup", 3).child("Instrument")->count("TpsInstrAccuracy"), 1u);
}

TEST_P(TpsSetupWrite, SkippedNumbersCountAsDoneAndShowInTheStatus) {
    CVdXmlTpsSetup setup;
    VDXML_TPS_SETUP nanHeight = MinimalSetup();
    nanHeight.InstrHgt = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(setup.Create(Application(), nanHeight), S_OK);  // "Type" comes last
    VDXML_TPS_SETUP infiniteAngle = FullSetup();
    infiniteAngle.Instrument.Accuracy.Angle = std::numeric_limits<double>::infinity();
    EXPECT_EQ(setup.Create(Application(), infiniteAngle), S_FALSE);
    Written();
    EXPECT_EQ(Nth("TpsSetup", 0).childNames(), Names{"Instrument"});
    EXPECT_EQ(Nth("TpsSetup", 1).child("Instrument")->child("TpsInstrAccuracy")->childNames(),
              (Names{"AbsDistance", "RelDistance"}));
}

TEST_P(TpsSetupWrite, InstrumentNodeSurvivesARefusedCreate) {
    CVdXmlTpsSetup setup;
    EXPECT_EQ(setup.GetNode(CVdXmlTpsSetup::NODE_INSTRUMENT), nullptr);
    ASSERT_EQ(setup.Create(Application(), MinimalSetup()), S_OK);
    const CVdXmlNode* first = setup.GetNode(CVdXmlTpsSetup::NODE_INSTRUMENT);
    ASSERT_NE(first, nullptr);
    VDXML_TPS_SETUP refused = MinimalSetup();
    refused.Flags = 0;
    EXPECT_EQ(setup.Create(Application(), refused), E_FAIL);
    ASSERT_EQ(setup.GetNode(CVdXmlTpsSetup::NODE_INSTRUMENT), first);
    EXPECT_EQ(first->InsertEntry(L"Extra", _bstr_t(L"first")), S_OK);

    ASSERT_EQ(setup.Create(Application(), MinimalSetup()), S_OK);
    const CVdXmlNode* second = setup.GetNode(CVdXmlTpsSetup::NODE_INSTRUMENT);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->InsertEntry(L"Extra", _bstr_t(L"second")), S_OK);
    Written();
    EXPECT_EQ(Nth("TpsSetup", 0).child("Instrument")->childText("Extra"), "first");
    EXPECT_EQ(Nth("TpsSetup", 1).child("Instrument")->childText("Extra"), "second");
}

TEST_P(TpsSetupWrite, EveryOrientationMethodAndTheFailureAfterAnUnknownOne) {
    CVdXmlTpsSetupDetails details;
    VDXML_TPS_SETUP_DETAILS record;
    for (record.Method = 1; record.Method <= 8; ++record.Method)
        EXPECT_EQ(details.Create(Application(), record), S_OK) << record.Method;
    record.Method = 9;
    EXPECT_EQ(details.Create(Application(), record), E_FAIL);
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("TpsSetupDetails"), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(Nth("TpsSetupDetails", i).childNames(), Names{"Method"});
        EXPECT_EQ(Nth("TpsSetupDetails", i).childText("Method"), std::to_string(i + 1));
    }
}

VDXML_INSTANTIATE_BOTH_BACKENDS(TpsSetupWrite);

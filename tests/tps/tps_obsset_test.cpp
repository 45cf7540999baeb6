// Writing observation sets: refusals, the order of the children, decimals, the reflector and
// face conditions, failures after codes without texts and the child-node table.
#include "vdxml/tps_obsset.h"

#include <gtest/gtest.h>

#include "tps_fixture.h"

using namespace vdxml_test;

namespace {
VDXML_TPS_OBSSET HzOnly() {
    VDXML_TPS_OBSSET set;
    set.Flags = VDXML_TPS_OBSSET::flagHz;
    set.Hz = 1.5707963267948966;
    return set;
}
}  // namespace

class TpsObsSetWrite : public TpsTest {};

TEST_P(TpsObsSetWrite, SetWithoutObservationIsRefusedBeforeWriting) {
    VDXML_TPS_OBSSET noObservation = FullObsSet();
    noObservation.Flags = 0xE0;  // bits that name no observation
    CVdXmlTpsObsSet set;
    EXPECT_EQ(set.Create(Application(), noObservation), E_FAIL);
    CVdXmlNode orphan;  // belongs to no document
    EXPECT_EQ(set.Create(orphan, HzOnly()), E_FAIL);
    EXPECT_EQ(Written().count("TpsObsSet"), 0u);
}

TEST_P(TpsObsSetWrite, SingleDirection) {
    CVdXmlTpsObsSet set;
    ASSERT_EQ(set.Create(Application(), HzOnly()), S_OK);
    Written();
    EXPECT_EQ(Nth("TpsObsSet").childNames(), Names{"Hz"});
    EXPECT_EQ(Nth("TpsObsSet").childText("Hz"), "1.570796326794897");
}

TEST_P(TpsObsSetWrite, FullSetInOrderWithItsDecimals) {
    CVdXmlTpsObsSet set;
    ASSERT_EQ(set.Create(Application(), FullObsSet()), S_OK);
    Written();
    const XmlTree& s = Nth("TpsObsSet");
    EXPECT_EQ(s.childNames(), (Names{"Reflector", "Time", "FaceType", "Hz", "Zen", "DistS", "DH",
                                     "DistHz", "Accuracy"}));
    EXPECT_EQ(s.child("Reflector")->childNames(), (Names{"Type", "Hgt"}));
    EXPECT_EQ(s.child("Reflector")->childText("Type"), "2");
    EXPECT_EQ(s.child("Reflector")->childText("Hgt"), "1.30000");
    EXPECT_EQ(s.childText("Time"), "2006-01-01T06:00:00.0000");
    EXPECT_EQ(s.childText("FaceType"), "2");
    EXPECT_EQ(s.childText("Zen"), "1.600000000000000");
    EXPECT_EQ(s.childText("DistS"), "123.45679");
    EXPECT_EQ(s.childText("DH"), "-2.50000");
    EXPECT_EQ(s.childText("DistHz"), "123.40000");
    const XmlTree& a = *s.child("Accuracy");
    EXPECT_EQ(a.childNames(),
              (Names{"AbsHz", "RelHz", "AbsVAngle", "RelVAngle", "AbsDistanceSlope",
                     "RelDistanceSlope", "AbsDistanceHorizontal", "RelDistanceHorizontal"}));
    EXPECT_EQ(a.childText("AbsHz"), "0.000010000000000");
    EXPECT_EQ(a.childText("RelVAngle"), "0.000040000000000");
    EXPECT_EQ(a.childText("AbsDistanceSlope"), "0.00100");
    EXPECT_EQ(a.childText("RelDistanceHorizontal"), "2.50000");
}

TEST_P(TpsObsSetWrite, ReflectorTimeAndFaceConditions) {
    CVdXmlTpsObsSet set;
    VDXML_TPS_OBSSET unknown = HzOnly();  // flagged type 0 is written
    unknown.Reflector.Flags = VDXML_TPS_REFLECTOR::flagReflector;
    unknown.Reflector.Type = VDXML_TPS_REFLECTOR_UNKNOWN;
    unknown.Time = -1.0;
    VDXML_TPS_OBSSET none = unknown;  // "none" as the caller's -1, flag set
    none.Reflector.Type = static_cast<std::uint32_t>(-1);
    none.Time = 0.0;
    VDXML_TPS_OBSSET unflagged = HzOnly();  // a prism without the flag
    unflagged.Reflector.Type = VDXML_TPS_REFLECTOR_ROUND_PRISM;
    unflagged.FaceType = VDXML_TPS_FACE_I;
    unflagged.Time = 53736.0;
    for (const VDXML_TPS_OBSSET* record : {&unknown, &none, &unflagged})
        ASSERT_EQ(set.Create(Application(), *record), S_OK);
    Written();
    EXPECT_EQ(Nth("TpsObsSet", 0).childNames(), (Names{"Reflector", "Hz"}));
    EXPECT_EQ(Nth("TpsObsSet", 0).child("Reflector")->childText("Type"), "0");
    EXPECT_EQ(Nth("TpsObsSet", 0).child("Reflector")->childText("Hgt"), "0.00000");
    EXPECT_EQ(Nth("TpsObsSet", 1).childNames(), Names{"Hz"});
    EXPECT_EQ(Nth("TpsObsSet", 2).childNames(), (Names{"Time", "FaceType", "Hz"}));
    EXPECT_EQ(Nth("TpsObsSet", 2).childText("FaceType"), "1");
}

TEST_P(TpsObsSetWrite, CodesWithoutTextFailAfterTheirNumber) {
    CVdXmlTpsObsSet set;
    VDXML_TPS_OBSSET badReflector = FullObsSet();
    badReflector.Reflector.Type = 12;
    EXPECT_EQ(set.Create(Application(), badReflector), E_FAIL);
    VDXML_TPS_OBSSET badFace = FullObsSet();
    badFace.Reflector.Flags = 0;
    badFace.FaceType = 3;
    EXPECT_EQ(set.Create(Application(), badFace), E_FAIL);
    Written();
    EXPECT_EQ(Nth("TpsObsSet", 0).childNames(), Names{"Reflector"});
    EXPECT_EQ(Nth("TpsObsSet", 0).child("Reflector")->childNames(), Names{"Type"});
    EXPECT_EQ(Nth("TpsObsSet", 0).child("Reflector")->childText("Type"), "12");
    EXPECT_EQ(Nth("TpsObsSet", 1).childNames(), (Names{"Time", "FaceType"}));
}

TEST_P(TpsObsSetWrite, NodeTableFollowsWhatWasWritten) {
    CVdXmlTpsObsSet set;
    ASSERT_EQ(set.Create(Application(), FullObsSet()), S_OK);
    const CVdXmlNode* reflector = set.GetNode(CVdXmlTpsObsSet::NODE_REFLECTOR);
    EXPECT_NE(reflector, nullptr);
    EXPECT_NE(set.GetNode(CVdXmlTpsObsSet::NODE_ACCURACY), nullptr);

    VDXML_TPS_OBSSET refused = FullObsSet();
    refused.Flags = 0;
    EXPECT_EQ(set.Create(Application(), refused), E_FAIL);
    EXPECT_EQ(set.GetNode(CVdXmlTpsObsSet::NODE_REFLECTOR), reflector);

    VDXML_TPS_OBSSET lastFigureOnly = HzOnly();
    lastFigureOnly.Accuracy.Flags = VDXML_TPS_OBS_ACCURACY::flagRelDistanceHorizontal;
    lastFigureOnly.Accuracy.RelDistanceHorizontal = 3.0;
    ASSERT_EQ(set.Create(Application(), lastFigureOnly), S_OK);
    EXPECT_EQ(set.GetNode(CVdXmlTpsObsSet::NODE_REFLECTOR), nullptr);
    const CVdXmlNode* accuracy = set.GetNode(CVdXmlTpsObsSet::NODE_ACCURACY);
    ASSERT_NE(accuracy, nullptr);
    EXPECT_EQ(accuracy->InsertEntry(L"Extra", _bstr_t(L"appended")), S_OK);
    Written();
    const XmlTree& a = *Nth("TpsObsSet", 1).child("Accuracy");
    EXPECT_EQ(a.childNames(), (Names{"RelDistanceHorizontal", "Extra"}));
    EXPECT_EQ(a.childText("RelDistanceHorizontal"), "3.00000");
}

VDXML_INSTANTIATE_BOTH_BACKENDS(TpsObsSetWrite);

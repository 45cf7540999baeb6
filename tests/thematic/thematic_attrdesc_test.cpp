// Writing attribute descriptions: layout, the three default values, range and choice list by
// their flags and types, failures after codes without texts and the result of the writer.
#include <gtest/gtest.h>

#include <cmath>

#include "support/application_fixture.h"
#include "thematic_samples.h"

using namespace vdxml_test;

namespace {
using Desc = VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION;
}

class ThematicAttrDescWrite : public ApplicationTest {
  protected:
    long Write(const Desc& desc) { return Application().InsertThematicalAttrDesc(desc, m_out); }
    /// After Written(): the i-th description.
    const XmlTree& Description(std::size_t i) const {
        return *Below("").child("ThematicalAttrDesc", i);
    }

    CVdXmlNode m_out;
};

TEST_P(ThematicAttrDescWrite, FullDescriptionInLayoutOrder) {
    ASSERT_EQ(Write(FullDescription()), S_OK);
    Written();
    const XmlTree& d = Description(0);
    EXPECT_EQ(d.childNames(), (Names{"Name", "ValueType", "Type", "DefaultValue", "DefaultValue",
                                     "DefaultValue", "Rangelist", "Choicelist"}));
    EXPECT_EQ(d.childText("ValueType"), "3");
    EXPECT_EQ(d.childText("Type"), "2");
    const char* defaults[] = {"unknown", "-3", "0.250"};  // text first
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(d.child("DefaultValue", i)->text, defaults[i]);
    const XmlTree& range = *d.child("Rangelist");
    EXPECT_EQ(range.childNames(), (Names{"Type", "Range"}));
    EXPECT_EQ(range.childText("Type"), "2");
    EXPECT_EQ(range.child("Range")->childText("Min"), "0.10000");
    EXPECT_EQ(range.child("Range")->childText("Max"), "2.50000");
    const XmlTree& choices = *d.child("Choicelist");
    const char* values[] = {"small", "large", "7", "0.500", "1.250"};
    ASSERT_EQ(choices.count("Value"), 5u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(choices.child("Value", i)->text, values[i]);
}

TEST_P(ThematicAttrDescWrite, RefusalsAndWhatTheFlagsAndTypesLeaveOut) {
    Desc unnamed = FullDescription();
    unnamed.ItemName.Name = L"";
    Desc noFlags = FullDescription();
    noFlags.Flags = 0;
    EXPECT_EQ(Write(unnamed), E_FAIL);
    EXPECT_EQ(Write(noFlags), E_FAIL);
    EXPECT_EQ(m_out.GetElement(), nullptr);

    Desc plain = FullDescription();  // any bit is enough, none optional
    plain.Flags = Desc::flagDescription;
    Desc noTypes = FullDescription();  // flagged, but range and choices of type 0
    noTypes.Range.Type = VDXML_THEMATICAL_RANGE_NONE;
    noTypes.Choices.Type = 0;
    Desc emptyChoices = FullDescription();
    emptyChoices.Flags = Desc::flagChoices;
    emptyChoices.Choices = VDXML_THEMATICAL_CHOICELIST();
    emptyChoices.Choices.Type = 1;
    for (const Desc* d : {&plain, &noTypes, &emptyChoices}) EXPECT_EQ(Write(*d), S_OK);
    Written();
    EXPECT_EQ(Description(0).childNames(), (Names{"Name", "ValueType", "Type"}));
    EXPECT_EQ(Description(1).childNames().back(), "DefaultValue");
    EXPECT_EQ(Description(2).childNames(), (Names{"Name", "ValueType", "Type", "Choicelist"}));
    EXPECT_TRUE(Description(2).child("Choicelist")->childNames().empty());
}

TEST_P(ThematicAttrDescWrite, CodesWithoutTextFailRightAfterTheirNumber) {
    Desc valueType = FullDescription(), kind = FullDescription(), range = FullDescription();
    valueType.ValueType = 6;
    kind.Type = 0;
    range.Range.Type = 3;
    for (const Desc* d : {&valueType, &kind, &range}) EXPECT_EQ(Write(*d), E_FAIL);
    Written();
    EXPECT_EQ(Description(0).childNames(), (Names{"Name", "ValueType"}));
    EXPECT_EQ(Description(1).childNames(), (Names{"Name", "ValueType", "Type"}));
    // The range ends after its type; no choices follow.
    EXPECT_EQ(Description(2).childNames().back(), "Rangelist");
    EXPECT_EQ(Description(2).child("Rangelist")->childNames(), Names{"Type"});
    EXPECT_EQ(Description(2).child("Rangelist")->childText("Type"), "3");
}

TEST_P(ThematicAttrDescWrite, RangeAndChoicesOnlyReportFailures) {
    // A default number that cannot be written is skipped (S_FALSE); the range and choices
    // after it succeed, but the result stays that of the last default value.
    Desc desc = FullDescription();
    desc.DefaultDouble = std::nan("");
    EXPECT_EQ(Write(desc), S_FALSE);
    Written();
    EXPECT_EQ(Description(0).count("DefaultValue"), 2u);
    EXPECT_EQ(Description(0).childNames().back(), "Choicelist");
}

VDXML_INSTANTIATE_BOTH_BACKENDS(ThematicAttrDescWrite);

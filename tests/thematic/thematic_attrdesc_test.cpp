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
    const XmlTree& Description(std::size_t i) const { return Nth("ThematicalAttrDesc", i); }

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
    // Text first, then the whole number, then the number with 3 decimals.
    EXPECT_EQ(d.child("DefaultValue", 0)->text, "unknown");
    EXPECT_EQ(d.child("DefaultValue", 1)->text, "-3");
    EXPECT_EQ(d.child("DefaultValue", 2)->text, "0.250");

    const XmlTree& range = *d.child("Rangelist");
    EXPECT_EQ(range.childNames(), (Names{"Type", "Range"}));
    EXPECT_EQ(range.childText("Type"), "2");
    EXPECT_EQ(range.child("Range")->childNames(), (Names{"Min", "Max"}));
    EXPECT_EQ(range.child("Range")->childText("Min"), "0.10000");
    EXPECT_EQ(range.child("Range")->childText("Max"), "2.50000");

    const XmlTree& choices = *d.child("Choicelist");
    ASSERT_EQ(choices.count("Value"), 5u);
    const char* values[] = {"small", "large", "7", "0.500", "1.250"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(choices.child("Value", i)->text, values[i]);
}

TEST_P(ThematicAttrDescWrite, DescriptionsWithoutNameOrFlagsAreRefused) {
    Desc unnamed = FullDescription();
    unnamed.ItemName.Name = L"";
    Desc noFlags = FullDescription();
    noFlags.Flags = 0;
    EXPECT_EQ(Write(unnamed), E_FAIL);
    EXPECT_EQ(Write(noFlags), E_FAIL);
    EXPECT_EQ(m_out.GetElement(), nullptr);
    // Any bit is enough: a description with nothing optional.
    Desc plain = FullDescription();
    plain.Flags = Desc::flagDescription;
    EXPECT_EQ(Write(plain), S_OK);
    EXPECT_EQ(Written().count("ThematicalAttrDesc"), 1u);
    EXPECT_EQ(Description(0).childNames(), (Names{"Name", "ValueType", "Type"}));
}

TEST_P(ThematicAttrDescWrite, RangeAndChoicesNeedTheirFlagAndAType) {
    Desc noRangeType = FullDescription();
    noRangeType.Range.Type = VDXML_THEMATICAL_RANGE_NONE;
    noRangeType.Choices.Type = 0;
    Desc unflagged = FullDescription();
    unflagged.Flags = Desc::flagDescription;
    Desc emptyChoices = FullDescription();
    emptyChoices.Flags = Desc::flagChoices;
    emptyChoices.Choices.Texts.clear();
    emptyChoices.Choices.Longs.clear();
    emptyChoices.Choices.Doubles.clear();
    for (const Desc* d : {&noRangeType, &unflagged, &emptyChoices}) EXPECT_EQ(Write(*d), S_OK);

    Written();
    EXPECT_EQ(Description(0).count("Rangelist") + Description(0).count("Choicelist"), 0u);
    EXPECT_EQ(Description(1).count("Rangelist") + Description(1).count("Choicelist"), 0u);
    EXPECT_EQ(Description(2).childNames().back(), "Choicelist");
    EXPECT_TRUE(Description(2).child("Choicelist")->childNames().empty());
}

TEST_P(ThematicAttrDescWrite, RangeTypeWithoutTextFailsAfterItsType) {
    Desc desc = FullDescription();
    desc.Range.Type = 3;
    EXPECT_EQ(Write(desc), E_FAIL);
    Written();
    const XmlTree& d = Description(0);
    EXPECT_EQ(d.childNames().back(), "Rangelist");  // no choices after the failure
    EXPECT_EQ(d.child("Rangelist")->childNames(), Names{"Type"});
    EXPECT_EQ(d.child("Rangelist")->childText("Type"), "3");
}

TEST_P(ThematicAttrDescWrite, CodesWithoutTextFailRightAfterTheirNumber) {
    Desc valueType = FullDescription();
    valueType.ValueType = 6;
    Desc kind = FullDescription();
    kind.Type = 0;
    Desc negativeKind = FullDescription();
    negativeKind.Type = -1;
    for (const Desc* d : {&valueType, &kind, &negativeKind}) EXPECT_EQ(Write(*d), E_FAIL);
    Written();
    EXPECT_EQ(Description(0).childNames(), (Names{"Name", "ValueType"}));
    EXPECT_EQ(Description(0).childText("ValueType"), "6");
    EXPECT_EQ(Description(1).childNames(), (Names{"Name", "ValueType", "Type"}));
    EXPECT_EQ(Description(2).childText("Type"), "-1");
}

TEST_P(ThematicAttrDescWrite, RangeAndChoicesOnlyReportFailures) {
    // A default number that cannot be written is skipped (S_FALSE); the range and choices
    // written after it succeed, but the result stays that of the last default value.
    Desc desc = FullDescription();
    desc.DefaultDouble = std::nan("");
    EXPECT_EQ(Write(desc), S_FALSE);
    Written();
    const XmlTree& d = Description(0);
    EXPECT_EQ(d.count("DefaultValue"), 2u);
    EXPECT_EQ(d.count("Rangelist"), 1u);
    EXPECT_EQ(d.count("Choicelist"), 1u);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(ThematicAttrDescWrite);

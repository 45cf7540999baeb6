// Writing attribute values: the value by its type, the value type with its text, refusals
// and the node writer's layout without the value type.
#include "vdxml/thematic_attribute.h"

#include <gtest/gtest.h>

#include "support/application_fixture.h"
#include "thematic_samples.h"

using namespace vdxml_test;

class ThematicAttributeWrite : public ApplicationTest {};

TEST_P(ThematicAttributeWrite, ValueWrittenByItsType) {
    struct Case {
        std::uint32_t valueType;
        Names names;
        std::string value;
    };
    const Case cases[] = {
        {VDXML_THEMATICAL_VALUE_LONG, {"Name", "Value", "ValueType"}, "-42"},
        {VDXML_THEMATICAL_VALUE_DOUBLE, {"Name", "Value", "ValueType"}, "1.50000"},
        {VDXML_THEMATICAL_VALUE_TEXT, {"Name", "Value", "ValueType"}, "tall"},
        // The other types carry no value, but their type has a text.
        {VDXML_THEMATICAL_VALUE_BOOL, {"Name", "ValueType"}, "<missing>"},
        {VDXML_THEMATICAL_VALUE_INVALID, {"Name", "ValueType"}, "<missing>"},
        {VDXML_THEMATICAL_VALUE_UNKNOWN, {"Name", "ValueType"}, "<missing>"},
    };
    CVdXmlThematicalAttribute attr;
    for (const Case& c : cases) EXPECT_EQ(attr.Create(Application(), Attribute(c.valueType)), S_OK);
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("ThematicalAttr"), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const XmlTree& a = *app.child("ThematicalAttr", i);
        EXPECT_EQ(a.childNames(), cases[i].names) << i;
        EXPECT_EQ(a.childText("Value"), cases[i].value) << i;
        EXPECT_EQ(a.childText("ValueType"), std::to_string(cases[i].valueType)) << i;
    }
}

TEST_P(ThematicAttributeWrite, ValueTypeWithoutTextFailsAfterTheValueType) {
    CVdXmlThematicalAttribute attr;
    EXPECT_EQ(attr.Create(Application(), Attribute(6)), E_FAIL);
    Written();
    EXPECT_EQ(Below("ThematicalAttr").childNames(), (Names{"Name", "ValueType"}));
    EXPECT_EQ(Below("ThematicalAttr").childText("ValueType"), "6");
}

TEST_P(ThematicAttributeWrite, AttributesWithoutNameOrGivenFlagAreRefused) {
    VDXML_THEMATICAL_ATTRIBUTE unnamed = Attribute(VDXML_THEMATICAL_VALUE_TEXT);
    unnamed.ItemName.Name = L"";
    VDXML_THEMATICAL_ATTRIBUTE notGiven = Attribute(VDXML_THEMATICAL_VALUE_TEXT);
    notGiven.Flags = 0xFE;
    CVdXmlThematicalAttribute attr;
    CVdXmlNode out, orphan;
    for (const VDXML_THEMATICAL_ATTRIBUTE* a : {&unnamed, &notGiven}) {
        EXPECT_EQ(attr.Create(Application(), *a), E_FAIL);
        EXPECT_EQ(Application().InsertThematicalAttr(*a, out), E_FAIL);
    }
    EXPECT_EQ(attr.Create(orphan, Attribute(VDXML_THEMATICAL_VALUE_TEXT)), E_FAIL);
    EXPECT_EQ(Written().count("ThematicalAttr"), 0u);
}

TEST_P(ThematicAttributeWrite, NodeWriterHasNoValueType) {
    CVdXmlNode out;
    VDXML_THEMATICAL_ATTRIBUTE withNote = Attribute(VDXML_THEMATICAL_VALUE_LONG);
    withNote.ItemName.Note = L"m";
    ASSERT_EQ(Application().InsertThematicalAttr(withNote, out), S_OK);
    // A type without a text does not matter here: no value type is written.
    ASSERT_EQ(Application().InsertThematicalAttr(Attribute(6), out), S_OK);
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("ThematicalAttr"), 2u);
    EXPECT_EQ(app.child("ThematicalAttr", 0)->childNames(), (Names{"Name", "Note", "Value"}));
    EXPECT_EQ(app.child("ThematicalAttr", 0)->childText("Value"), "-42");
    EXPECT_EQ(app.child("ThematicalAttr", 1)->childNames(), Names{"Name"});
}

VDXML_INSTANTIATE_BOTH_BACKENDS(ThematicAttributeWrite);

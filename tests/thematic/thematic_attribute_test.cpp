// Writing attribute values: the value by its type, the value type with its text, refusals
// and the node writer's layout without the value type.
#include "vdxml/thematic_attribute.h"

#include <gtest/gtest.h>

#include "support/application_fixture.h"
#include "thematic_samples.h"

using namespace vdxml_test;

class ThematicAttributeWrite : public ApplicationTest {};

TEST_P(ThematicAttributeWrite, ValueWrittenByItsTypeAndTypeWithoutTextFailingAfterIt) {
    const struct {
        std::uint32_t valueType;
        std::string value;  // "<missing>" for none
    } cases[] = {
        {VDXML_THEMATICAL_VALUE_LONG, "-42"},          {VDXML_THEMATICAL_VALUE_DOUBLE, "1.50000"},
        {VDXML_THEMATICAL_VALUE_TEXT, "tall"},         {VDXML_THEMATICAL_VALUE_BOOL, "<missing>"},
        {VDXML_THEMATICAL_VALUE_INVALID, "<missing>"}, {6, "<missing>"},
    };
    CVdXmlThematicalAttribute attr;
    for (const auto& c : cases)
        EXPECT_EQ(attr.Create(Application(), Attribute(c.valueType)),
                  c.valueType == 6 ? E_FAIL : S_OK);
    const XmlTree& app = Written();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const XmlTree& a = *app.child("ThematicalAttr", i);
        EXPECT_EQ(a.childNames().back(), "ValueType") << i;
        EXPECT_EQ(a.count("Value"), cases[i].value == "<missing>" ? 0u : 1u) << i;
        EXPECT_EQ(a.childText("Value"), cases[i].value) << i;
        EXPECT_EQ(a.childText("ValueType"), std::to_string(cases[i].valueType)) << i;
    }
}

TEST_P(ThematicAttributeWrite, RefusalsAndTheNodeWriterWithoutValueType) {
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

    VDXML_THEMATICAL_ATTRIBUTE withNote = Attribute(VDXML_THEMATICAL_VALUE_LONG);
    withNote.ItemName.Note = L"m";
    ASSERT_EQ(Application().InsertThematicalAttr(withNote, out), S_OK);
    // No value type is written, so one without a text does not matter.
    ASSERT_EQ(Application().InsertThematicalAttr(Attribute(6), out), S_OK);
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("ThematicalAttr"), 2u);
    EXPECT_EQ(app.child("ThematicalAttr", 0)->childNames(), (Names{"Name", "Note", "Value"}));
    EXPECT_EQ(app.child("ThematicalAttr", 1)->childNames(), Names{"Name"});
}

VDXML_INSTANTIATE_BOTH_BACKENDS(ThematicAttributeWrite);

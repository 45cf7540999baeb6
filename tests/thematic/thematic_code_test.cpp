// Writing code lists, code groups and codes: layouts, refusals, the geometry type with its
// text and the same layout from the element class and the node writer.
#include "vdxml/thematic_code.h"

#include <gtest/gtest.h>

#include "support/application_fixture.h"
#include "thematic_samples.h"

using namespace vdxml_test;

class ThematicCodeWrite : public ApplicationTest {};

TEST_P(ThematicCodeWrite, CodeInLayoutOrder) {
    CVdXmlThematicalCode code;
    ASSERT_EQ(code.Create(Application(), FenceCode()), S_OK);
    Written();
    const XmlTree& c = Below("ThematicalCode");
    EXPECT_EQ(c.childNames(), (Names{"Name", "Note", "Type", "CodeDesc"}));
    EXPECT_EQ(c.childText("Name"), "Fence");
    EXPECT_EQ(c.childText("Note"), "wooden");
    EXPECT_EQ(c.childText("Type"), "2");
    EXPECT_EQ(c.childText("CodeDesc"), "Field boundary");
}

TEST_P(ThematicCodeWrite, TypeAndDescriptionOnlyWhenGiven) {
    VDXML_THEMATICAL_CODE bare;
    bare.ItemName.Name = L"Tree";
    CVdXmlThematicalCode code;
    ASSERT_EQ(code.Create(Application(), bare), S_OK);
    Written();
    EXPECT_EQ(Below("ThematicalCode").childNames(), Names{"Name"});
}

TEST_P(ThematicCodeWrite, GeometryTypeWithoutTextFailsAfterTheType) {
    CVdXmlThematicalCode code;
    for (const std::uint32_t type : {4u, 0xFFFFFFFFu}) {
        VDXML_THEMATICAL_CODE c = FenceCode();
        c.Type = type;
        EXPECT_EQ(code.Create(Application(), c), E_FAIL) << type;
    }
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("ThematicalCode"), 2u);
    EXPECT_EQ(app.child("ThematicalCode", 0)->childNames(), (Names{"Name", "Note", "Type"}));
    EXPECT_EQ(app.child("ThematicalCode", 0)->childText("Type"), "4");
    EXPECT_EQ(app.child("ThematicalCode", 1)->childText("Type"), "4294967295");
}

TEST_P(ThematicCodeWrite, CodesAndGroupsWithoutNameAreRefusedBeforeWriting) {
    VDXML_THEMATICAL_CODE unnamed = FenceCode();
    unnamed.ItemName.Name = L"";
    VDXML_THEMATICAL_CODEGROUP group;
    group.ItemName.Note = L"only a note";
    CVdXmlThematicalCode code;
    CVdXmlNode out;
    EXPECT_EQ(code.Create(Application(), unnamed), E_FAIL);
    EXPECT_EQ(Application().InsertThematicalCode(unnamed, out), E_FAIL);
    EXPECT_EQ(Application().InsertThematicalCodeGroup(group, out), E_FAIL);
    CVdXmlNode orphan;  // belongs to no document
    EXPECT_EQ(code.Create(orphan, FenceCode()), E_FAIL);
    EXPECT_EQ(out.GetElement(), nullptr);
    const XmlTree& app = Written();
    EXPECT_EQ(app.count("ThematicalCode") + app.count("ThematicalCodeGroup"), 0u);
}

TEST_P(ThematicCodeWrite, ListsGroupsAndCodesNestAsTheCallerChooses) {
    VDXML_THEMATICAL_CODELIST list;
    list.ItemName.Name = L"Topography";
    list.ItemName.Note = L"2024";
    VDXML_THEMATICAL_CODEGROUP group;
    group.ItemName.Name = L"Boundaries";
    CVdXmlNode listNode, groupNode, codeNode, unnamedList;
    ASSERT_EQ(Application().InsertThematicalCodelist(list, listNode), S_OK);
    ASSERT_EQ(listNode.InsertThematicalCodeGroup(group, groupNode), S_OK);
    ASSERT_EQ(groupNode.InsertThematicalCode(FenceCode(), codeNode), S_OK);
    CVdXmlThematicalCode code;
    ASSERT_EQ(code.Create(groupNode, FenceCode()), S_OK);
    // A list without a name is still written, as an empty element.
    ASSERT_EQ(Application().InsertThematicalCodelist(VDXML_THEMATICAL_CODELIST(), unnamedList),
              S_OK);

    const XmlTree& app = Written();
    ASSERT_EQ(app.count("ThematicalCodelist"), 2u);
    const XmlTree& l = *app.child("ThematicalCodelist", 0);
    EXPECT_EQ(l.childNames(), (Names{"Name", "Note", "ThematicalCodeGroup"}));
    const XmlTree& g = Path(l, "ThematicalCodeGroup");
    EXPECT_EQ(g.childNames(), (Names{"Name", "ThematicalCode", "ThematicalCode"}));
    // The node writer and the element class write the same code.
    EXPECT_EQ(DiffTrees(*g.child("ThematicalCode", 0), *g.child("ThematicalCode", 1)), "");
    EXPECT_TRUE(app.child("ThematicalCodelist", 1)->childNames().empty());
}

VDXML_INSTANTIATE_BOTH_BACKENDS(ThematicCodeWrite);

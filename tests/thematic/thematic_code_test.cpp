// Writing code lists, code groups and codes: layouts, refusals, the geometry type with its
// text, nesting by the caller and the same layout from the element class and the node writer.
#include "vdxml/thematic_code.h"

#include <gtest/gtest.h>

#include "support/application_fixture.h"
#include "thematic_samples.h"

using namespace vdxml_test;

class ThematicCodeWrite : public ApplicationTest {};

TEST_P(ThematicCodeWrite, CodeByItsConditionsAndTypeWithoutTextFailingAfterIt) {
    VDXML_THEMATICAL_CODE bare;  // no type, no description
    bare.ItemName.Name = L"Tree";
    VDXML_THEMATICAL_CODE unknown = FenceCode();
    unknown.Type = 4;
    CVdXmlThematicalCode code;
    ASSERT_EQ(code.Create(Application(), FenceCode()), S_OK);
    ASSERT_EQ(code.Create(Application(), bare), S_OK);
    EXPECT_EQ(code.Create(Application(), unknown), E_FAIL);
    const XmlTree& app = Written();
    const XmlTree& fence = *app.child("ThematicalCode", 0);
    EXPECT_EQ(fence.childNames(), (Names{"Name", "Note", "Type", "CodeDesc"}));
    EXPECT_EQ(fence.childText("Type"), "2");
    EXPECT_EQ(fence.childText("CodeDesc"), "Field boundary");
    EXPECT_EQ(app.child("ThematicalCode", 1)->childNames(), Names{"Name"});
    EXPECT_EQ(app.child("ThematicalCode", 2)->childNames(), (Names{"Name", "Note", "Type"}));
    EXPECT_EQ(app.child("ThematicalCode", 2)->childText("Type"), "4");
}

TEST_P(ThematicCodeWrite, CodesAndGroupsWithoutNameAreRefusedBeforeWriting) {
    VDXML_THEMATICAL_CODE unnamed = FenceCode();
    unnamed.ItemName.Name = L"";
    VDXML_THEMATICAL_CODEGROUP group;
    group.ItemName.Note = L"only a note";
    CVdXmlThematicalCode code;
    CVdXmlNode out, orphan;
    EXPECT_EQ(code.Create(Application(), unnamed), E_FAIL);
    EXPECT_EQ(code.Create(orphan, FenceCode()), E_FAIL);
    EXPECT_EQ(Application().InsertThematicalCode(unnamed, out), E_FAIL);
    EXPECT_EQ(Application().InsertThematicalCodeGroup(group, out), E_FAIL);
    EXPECT_EQ(out.GetElement(), nullptr);
    EXPECT_EQ(Written().childNames(), (Names{"Name", "Version", "Units"}));
}

TEST_P(ThematicCodeWrite, ListsGroupsAndCodesNestAsTheCallerChooses) {
    VDXML_THEMATICAL_CODELIST list;
    list.ItemName = {L"Topography", L"2024"};
    VDXML_THEMATICAL_CODEGROUP group;
    group.ItemName.Name = L"Boundaries";
    CVdXmlNode listNode, groupNode, codeNode, unnamedList;
    CVdXmlThematicalCode code;
    ASSERT_EQ(Application().InsertThematicalCodelist(list, listNode), S_OK);
    ASSERT_EQ(listNode.InsertThematicalCodeGroup(group, groupNode), S_OK);
    ASSERT_EQ(groupNode.InsertThematicalCode(FenceCode(), codeNode), S_OK);
    ASSERT_EQ(code.Create(groupNode, FenceCode()), S_OK);
    // A list without a name is still written, as an empty element.
    ASSERT_EQ(Application().InsertThematicalCodelist({}, unnamedList), S_OK);

    const XmlTree& app = Written();
    const XmlTree& l = *app.child("ThematicalCodelist", 0);
    EXPECT_EQ(l.childNames(), (Names{"Name", "Note", "ThematicalCodeGroup"}));
    const XmlTree& g = Path(l, "ThematicalCodeGroup");
    EXPECT_EQ(g.childNames(), (Names{"Name", "ThematicalCode", "ThematicalCode"}));
    EXPECT_EQ(DiffTrees(*g.child("ThematicalCode", 0), *g.child("ThematicalCode", 1)), "");
    EXPECT_TRUE(app.child("ThematicalCodelist", 1)->childNames().empty());
}

VDXML_INSTANTIATE_BOTH_BACKENDS(ThematicCodeWrite);

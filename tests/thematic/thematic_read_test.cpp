// Reading codes and attributes back: name, type and description of a code; name, value as
// text and value type of an attribute, with the attribute's flag.
#include <gtest/gtest.h>

#include "support/application_fixture.h"
#include "thematic_samples.h"
#include "vdxml/thematic_attribute.h"
#include "vdxml/thematic_code.h"

using namespace vdxml_test;

class ThematicRead : public ApplicationTest {};

TEST_P(ThematicRead, CodeAndAttributesComeBackWithTheirValuesAsText) {
    CVdXmlThematicalCode code;
    ASSERT_EQ(code.Create(Application(), FenceCode()), S_OK);
    CVdXmlThematicalAttribute attr;
    const std::uint32_t types[] = {VDXML_THEMATICAL_VALUE_DOUBLE, VDXML_THEMATICAL_VALUE_LONG,
                                   VDXML_THEMATICAL_VALUE_BOOL};
    for (const std::uint32_t type : types)
        ASSERT_EQ(attr.Create(Application(), Attribute(type)), S_OK);

    VDXML_ELEMENT codeElement = Saved(L"Application/ThematicalCode");
    VDXML_THEMATICAL_CODE c;
    ASSERT_EQ(CVdXmlThematicalCode::Read(codeElement, c), S_OK);
    EXPECT_EQ(c.ItemName.Name, _bstr_t(L"Fence"));
    EXPECT_EQ(c.Type, static_cast<std::uint32_t>(VDXML_THEMATICAL_GEOMETRY_LINE));
    EXPECT_EQ(c.CodeDesc, _bstr_t(L"Field boundary"));
    EXPECT_TRUE(c.ItemName.Note.empty());  // written, not read

    const wchar_t* texts[] = {L"1.50000", L"-42", L""};
    IXMLDOMNodePtr app = codeElement.Element()->GetparentNode();
    for (int i = 0; i < 3; ++i) {
        VDXML_ELEMENT element = VDXML_ELEMENT::FromNode(ChildElement(app, L"ThematicalAttr", i));
        VDXML_THEMATICAL_ATTRIBUTE a;
        a.DoubleValue = 9.5;  // not filled by reading
        ASSERT_EQ(CVdXmlThematicalAttribute::Read(element, a), S_OK);
        EXPECT_EQ(a.Flags, VDXML_THEMATICAL_ATTRIBUTE::flagAttribute);
        EXPECT_EQ(a.ItemName.Name, _bstr_t(L"Height"));
        EXPECT_EQ(a.TextValue, _bstr_t(texts[i]));
        EXPECT_EQ(a.ValueType, types[i]);
        EXPECT_EQ(a.LongValue, 0);
        EXPECT_EQ(a.DoubleValue, 9.5);
    }
}

VDXML_INSTANTIATE_BOTH_BACKENDS(ThematicRead);

TEST(ThematicReadElement, AnyOfTheThreeValuesMarksTheAttributeAsGiven) {
    const std::pair<const wchar_t*, std::uint8_t> cases[] = {
        {L"<A><Value>x</Value></A>", 0x01},
        {L"<A><ValueType>4</ValueType></A>", 0x01},
        {L"<A><Note>n</Note><X><Name>deep</Name></X></A>", 0x00},
    };
    for (const auto& [xml, flags] : cases) {
        IXMLDOMDocument2Ptr dom = LoadDomXml(xml);
        VDXML_ELEMENT element = ElementAt(dom, L"");
        VDXML_THEMATICAL_ATTRIBUTE attr;
        ASSERT_EQ(CVdXmlThematicalAttribute::Read(element, attr), S_OK);
        EXPECT_EQ(attr.Flags, flags) << xml;
    }
    VDXML_ELEMENT empty;
    VDXML_THEMATICAL_CODE code;
    VDXML_THEMATICAL_ATTRIBUTE attr;
    EXPECT_EQ(CVdXmlThematicalCode::Read(empty, code), E_FAIL);
    EXPECT_EQ(CVdXmlThematicalAttribute::Read(empty, attr), E_FAIL);
}

TEST(ThematicBackEnds, WriteTheSameTree) {
    const XmlTree app = ExpectSameOnBothBackEnds([](const CVdXmlNode& application) {
        VDXML_THEMATICAL_CODELIST list;
        list.ItemName.Name = L"Topography";
        CVdXmlNode listNode, out;
        ASSERT_EQ(application.InsertThematicalCodelist(list, listNode), S_OK);
        CVdXmlThematicalCode code;
        CVdXmlThematicalAttribute attr;
        EXPECT_EQ(code.Create(listNode, FenceCode()), S_OK);
        EXPECT_EQ(attr.Create(listNode, Attribute(VDXML_THEMATICAL_VALUE_DOUBLE)), S_OK);
        EXPECT_EQ(listNode.InsertThematicalAttr(Attribute(VDXML_THEMATICAL_VALUE_TEXT), out), S_OK);
        EXPECT_EQ(listNode.InsertThematicalAttrDesc(FullDescription(), out), S_OK);
        VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION failing = FullDescription();
        failing.Range.Type = 3;
        EXPECT_EQ(listNode.InsertThematicalAttrDesc(failing, out), E_FAIL);
    });
    EXPECT_EQ(Path(app, "ThematicalCodelist").childNames(),
              (Names{"Name", "ThematicalCode", "ThematicalAttr", "ThematicalAttr",
                     "ThematicalAttrDesc", "ThematicalAttrDesc"}));
}

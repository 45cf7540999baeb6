// Reading codes and attributes back: name, type and description of a code; name, value as
// text and value type of an attribute, with the attribute's flag.
#include <gtest/gtest.h>

#include "support/application_fixture.h"
#include "thematic_samples.h"
#include "vdxml/thematic_attribute.h"
#include "vdxml/thematic_code.h"

using namespace vdxml_test;

class ThematicRead : public ApplicationTest {
  protected:
    VDXML_THEMATICAL_ATTRIBUTE ReadBack(const VDXML_THEMATICAL_ATTRIBUTE& written) {
        CVdXmlThematicalAttribute writer;
        EXPECT_EQ(writer.Create(Application(), written), S_OK);
        VDXML_ELEMENT element = Saved(L"Application/ThematicalAttr");
        VDXML_THEMATICAL_ATTRIBUTE read;
        read.LongValue = 99;  // not filled by reading
        read.DoubleValue = 9.5;
        EXPECT_EQ(CVdXmlThematicalAttribute::Read(element, read), S_OK);
        return read;
    }
};

TEST_P(ThematicRead, CodeRestoresNameTypeAndDescription) {
    CVdXmlThematicalCode writer;
    ASSERT_EQ(writer.Create(Application(), FenceCode()), S_OK);
    VDXML_ELEMENT element = Saved(L"Application/ThematicalCode");
    VDXML_THEMATICAL_CODE code;
    ASSERT_EQ(CVdXmlThematicalCode::Read(element, code), S_OK);
    EXPECT_EQ(code.nType, VDXML_TYPE_THEMATICAL_CODE);
    EXPECT_EQ(code.ItemName.Name, _bstr_t(L"Fence"));
    EXPECT_EQ(code.Type, static_cast<std::uint32_t>(VDXML_THEMATICAL_GEOMETRY_LINE));
    EXPECT_EQ(code.CodeDesc, _bstr_t(L"Field boundary"));
    EXPECT_TRUE(code.ItemName.Note.empty());  // written, not read
}

TEST_P(ThematicRead, DoubleAttributeComesBackAsItsText) {
    const VDXML_THEMATICAL_ATTRIBUTE read = ReadBack(Attribute(VDXML_THEMATICAL_VALUE_DOUBLE));
    EXPECT_EQ(read.nType, VDXML_TYPE_THEMATICAL_ATTRIBUTE);
    EXPECT_EQ(read.Flags, VDXML_THEMATICAL_ATTRIBUTE::flagAttribute);
    EXPECT_EQ(read.ItemName.Name, _bstr_t(L"Height"));
    EXPECT_EQ(read.TextValue, _bstr_t(L"1.50000"));
    EXPECT_EQ(read.ValueType, static_cast<std::uint32_t>(VDXML_THEMATICAL_VALUE_DOUBLE));
    EXPECT_EQ(read.LongValue, 99);
    EXPECT_EQ(read.DoubleValue, 9.5);
}

TEST_P(ThematicRead, WholeNumberComesBackAsItsText) {
    const VDXML_THEMATICAL_ATTRIBUTE number = ReadBack(Attribute(VDXML_THEMATICAL_VALUE_LONG));
    EXPECT_EQ(number.TextValue, _bstr_t(L"-42"));
    EXPECT_EQ(number.LongValue, 99);
}

TEST_P(ThematicRead, BoolAttributeHasNoValueToRead) {
    const VDXML_THEMATICAL_ATTRIBUTE flag = ReadBack(Attribute(VDXML_THEMATICAL_VALUE_BOOL));
    EXPECT_EQ(flag.Flags, VDXML_THEMATICAL_ATTRIBUTE::flagAttribute);
    EXPECT_TRUE(flag.TextValue.empty());
    EXPECT_EQ(flag.ValueType, static_cast<std::uint32_t>(VDXML_THEMATICAL_VALUE_BOOL));
}

VDXML_INSTANTIATE_BOTH_BACKENDS(ThematicRead);

TEST(ThematicReadElement, EmptyHandlesAreRefused) {
    VDXML_ELEMENT empty;
    VDXML_THEMATICAL_CODE code;
    VDXML_THEMATICAL_ATTRIBUTE attr;
    EXPECT_EQ(CVdXmlThematicalCode::Read(empty, code), E_FAIL);
    EXPECT_EQ(CVdXmlThematicalAttribute::Read(empty, attr), E_FAIL);
    EXPECT_EQ(attr.Flags, 0);
}

TEST(ThematicReadElement, AnyOfTheThreeValuesMarksTheAttributeAsGiven) {
    struct Case {
        const wchar_t* xml;
        std::uint8_t flags;
    };
    const Case cases[] = {
        {L"<ThematicalAttr><Value>x</Value></ThematicalAttr>", 0x01},
        {L"<ThematicalAttr><ValueType>4</ValueType></ThematicalAttr>", 0x01},
        {L"<ThematicalAttr><Note>n</Note><Other>1</Other></ThematicalAttr>", 0x00},
        // Values below a child are not the attribute's.
        {L"<ThematicalAttr><X><Name>deep</Name></X></ThematicalAttr>", 0x00},
    };
    for (const Case& c : cases) {
        IXMLDOMDocument2Ptr dom = LoadDomXml(c.xml);
        ASSERT_TRUE(dom);
        VDXML_ELEMENT element = ElementAt(dom, L"");
        VDXML_THEMATICAL_ATTRIBUTE attr;
        ASSERT_EQ(CVdXmlThematicalAttribute::Read(element, attr), S_OK);
        EXPECT_EQ(attr.Flags, c.flags) << c.xml;
        EXPECT_TRUE(attr.ItemName.Name.empty()) << c.xml;
    }
}

TEST(ThematicBackEnds, WriteTheSameTree) {
    const XmlTree app = ExpectSameOnBothBackEnds([](const CVdXmlNode& application) {
        VDXML_THEMATICAL_CODELIST list;
        list.ItemName.Name = L"Topography";
        CVdXmlNode listNode, out;
        ASSERT_EQ(application.InsertThematicalCodelist(list, listNode), S_OK);
        CVdXmlThematicalCode code;
        EXPECT_EQ(code.Create(listNode, FenceCode()), S_OK);
        CVdXmlThematicalAttribute attr;
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

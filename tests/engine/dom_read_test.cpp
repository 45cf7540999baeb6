// Reading a loaded document: navigation, names, texts and typed values.
#include <gtest/gtest.h>

#include "engine/sample_document.h"

namespace {

using engine_test::NewDocument;

const wchar_t* const kSurvey =
    L"<?xml version='1.0' encoding='utf-16'?>\n"
    L"<Company xmlns='urn:s' xmlns:dt='urn:schemas-microsoft-com:datatypes' xmlns:x='urn:x'>\n"
    L"  <Name>A &amp; <![CDATA[<B>]]></Name><!-- note -->\n"
    L"  <FileCreated dt:dt='datetime'>2006-04-28T12:05:07.2500</FileCreated>\n"
    L"  <Old dt:dt='dateTime'>1899-12-29T06:00:00</Old>\n"
    L"  <Odd dt:dt='datetime'>28.4.2006</Odd>\n"
    L"  <Foreign x:dt='datetime'>2006-04-28T12:05:07</Foreign>\n"
    L"  <x:Tagged>t<x:Inner>i</x:Inner>u</x:Tagged>\n"
    L"  <Empty/>\n"
    L"</Company>\n";

class DomRead : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(doc->loadXML(kSurvey)) << doc->GetparseError().reason; }

    // The first child element of the root named name.
    IXMLDOMNodePtr Child(const wchar_t* name) {
        for (IXMLDOMNodePtr node = doc->GetdocumentElement()->GetfirstChild(); node;
             node = node->GetnextSibling())
            if (node->GetnodeType() == NODE_ELEMENT && node->GetnodeName() == name) return node;
        ADD_FAILURE() << "no child " << _bstr_t(name).utf8();
        return nullptr;
    }

    IXMLDOMDocument2Ptr doc = NewDocument();
};

TEST_F(DomRead, NavigationVisitsEveryNodeKindInOrder) {
    IXMLDOMElementPtr root = doc->GetdocumentElement();
    ASSERT_TRUE(root);
    EXPECT_EQ(_bstr_t(L"Company"), root->GetnodeName());
    std::vector<std::pair<DOMNodeType, std::wstring>> seen;
    for (IXMLDOMNodePtr node = root->GetfirstChild(); node; node = node->GetnextSibling())
        seen.emplace_back(node->GetnodeType(), node->GetnodeName().wstr());
    const std::vector<std::pair<DOMNodeType, std::wstring>> expected = {
        {NODE_TEXT, L"#text"},       {NODE_ELEMENT, L"Name"},        {NODE_COMMENT, L"#comment"},
        {NODE_TEXT, L"#text"},       {NODE_ELEMENT, L"FileCreated"}, {NODE_TEXT, L"#text"},
        {NODE_ELEMENT, L"Old"},      {NODE_TEXT, L"#text"},          {NODE_ELEMENT, L"Odd"},
        {NODE_TEXT, L"#text"},       {NODE_ELEMENT, L"Foreign"},     {NODE_TEXT, L"#text"},
        {NODE_ELEMENT, L"x:Tagged"}, {NODE_TEXT, L"#text"},          {NODE_ELEMENT, L"Empty"},
        {NODE_TEXT, L"#text"}};
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(NODE_DOCUMENT, root->GetparentNode()->GetnodeType());
    EXPECT_FALSE(doc->GetparentNode());
    EXPECT_FALSE(root->GetnextSibling());
}

TEST_F(DomRead, TextsConcatenateDescendants) {
    EXPECT_EQ(_bstr_t(L"A & <B>"), Child(L"Name")->Gettext());
    EXPECT_EQ(_bstr_t(L"tiu"), Child(L"x:Tagged")->Gettext());
    EXPECT_EQ(_bstr_t(L""), Child(L"Empty")->Gettext());
    EXPECT_FALSE(Child(L"Empty")->hasChildNodes());
    EXPECT_TRUE(Child(L"Name")->hasChildNodes());
    IXMLDOMNodePtr inner = Child(L"x:Tagged")->GetfirstChild()->GetnextSibling();
    EXPECT_EQ(_bstr_t(L"x:Inner"), inner->GetnodeName());
    EXPECT_EQ(_bstr_t(L"x:Tagged"), inner->GetparentNode()->GetnodeName());
    EXPECT_FALSE(inner->GetfirstChild()->hasChildNodes());
}

TEST_F(DomRead, SameNodeGivesSameObject) {
    IXMLDOMNodePtr viaChild = Child(L"Name");
    IXMLDOMNodePtr viaParent =
        viaChild->GetnextSibling()->GetparentNode()->GetfirstChild()->GetnextSibling();
    EXPECT_TRUE(IsSameComObject(viaChild, viaParent));
    EXPECT_TRUE(IsSameComObject(doc, doc->GetdocumentElement()->GetparentNode()));
}

TEST_F(DomRead, DateTimeElementsHaveDateValues) {
    const _variant_t created = Child(L"FileCreated")->GetnodeTypedValue();
    ASSERT_EQ(VT_DATE, created.vt());
    EXPECT_NEAR(38835.0 + (12 * 3600 + 5 * 60 + 7.25) / 86400.0, created.AsDouble(), 1e-10);
    EXPECT_EQ(_bstr_t(L"28.4.2006 12:05:07.25"), created.ToString());

    // Before 30 December 1899 the time of day counts away from zero; the type name's case
    // does not matter.
    const _variant_t old = Child(L"Old")->GetnodeTypedValue();
    ASSERT_EQ(VT_DATE, old.vt());
    EXPECT_DOUBLE_EQ(-1.25, old.AsDouble());
}

TEST_F(DomRead, OtherElementsHaveTheirTextAsValue) {
    const _variant_t odd = Child(L"Odd")->GetnodeTypedValue();  // not a date-time text
    EXPECT_EQ(VT_BSTR, odd.vt());
    EXPECT_EQ(_bstr_t(L"28.4.2006"), odd.ToString());
    const _variant_t foreign = Child(L"Foreign")->GetnodeTypedValue();  // other namespace
    EXPECT_EQ(VT_BSTR, foreign.vt());
    EXPECT_EQ(_bstr_t(L"2006-04-28T12:05:07"), foreign.ToString());
    EXPECT_EQ(_bstr_t(L"A & <B>"), Child(L"Name")->GetnodeTypedValue().ToString());
}

TEST(DomReadBuilt, BuiltDateTimeElementHasDateValueBeforeSaving) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    IXMLDOMElementPtr root = engine_test::BuildDom(doc, doc, engine_test::SampleDocument());
    const _variant_t value = root->GetfirstChild()->GetnextSibling()->GetnodeTypedValue();
    ASSERT_EQ(VT_DATE, value.vt());
    EXPECT_EQ(_bstr_t(L"28.4.2006 12:05:07.25"), value.ToString());
}

}  // namespace

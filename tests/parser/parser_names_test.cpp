// Which elements the parser reports: names as written and case-sensitive, known elements found
// below unknown ones, and a root element other than "Company".
#include "parser/parser_fixture.h"
#include "vdxml/point.h"

using namespace vdxml_test;

namespace {

using ParserNames = ParserTest;

TEST_F(ParserNames, UnknownElementsAreSilentButTheirKnownChildrenAreReported) {
    ASSERT_EQ(ParseXml("<Company><Folder><Group><Pnt><Name>P1</Name></Pnt></Group></Folder>"
                       "<Unknown><Other/></Unknown></Company>"),
              S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnPoint", "OnPointClose", "OnVdXmlClose"}));
}

TEST_F(ParserNames, NamesAreCaseSensitive) {
    ASSERT_EQ(ParseXml("<Company><pnt><Name>P1</Name></pnt><PNT/><project/><crd/></Company>"),
              S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnVdXmlClose"}));
}

TEST_F(ParserNames, LowerCaseCompanyIsNoRoot) {
    ASSERT_EQ(ParseXml("<company><Pnt/></company>"), S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnPoint", "OnPointClose"}));
}

TEST_F(ParserNames, PrefixedNameIsNotTheKnownElement) {
    ASSERT_EQ(ParseXml("<Company xmlns:v=\"urn:other\"><v:Pnt/><Pnt xmlns=\"urn:any\"/></Company>"),
              S_OK);
    // The qualified name as written counts; a default namespace does not change it.
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnPoint", "OnPointClose", "OnVdXmlClose"}));
}

TEST_F(ParserNames, CompanyBelowAnotherRootIsFoundAndReported) {
    ASSERT_EQ(ParseXml("<Archive><Pnt><Name>Loose</Name></Pnt><Batch><Company><Name>Survey Co"
                       "</Name><Project><Name>Survey</Name></Project></Company></Batch></Archive>"),
              S_OK);
    ASSERT_EQ(log.Names(), (Names{"OnPoint", "OnPointClose", "OnVdXmlBegin", "OnProject",
                                  "OnProjectClose", "OnVdXmlClose"}));
    // A point outside the root element has no root record beside it.
    EXPECT_EQ(log.Entries()[0].slots, kSlotPoint);
    EXPECT_EQ(log.Entries()[3].slots, kSlotRoot | kSlotProject);
}

TEST_F(ParserNames, TextCommentsAndInstructionsAreNotWalked) {
    ASSERT_EQ(ParseXml("<?xml version=\"1.0\"?><!-- <Pnt/> --><Company>text<!-- <Pnt/> -->"
                       "<?Pnt data?><![CDATA[<Pnt/>]]></Company>"),
              S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnVdXmlClose"}));
}

}  // namespace

// The table-driven value reader: matching by name and level, formats, and the root reader.
#include <gtest/gtest.h>

#include <cmath>

#include "support/document_fixture.h"
#include "support/dom_helpers.h"
#include "vdxml/geodesy.h"

using F = VDXML_PARSE_NODEDATA;
using vdxml_test::LoadDomXml;

namespace {
// Opens the protected readers to the tests.
struct Reader : CVdXmlNodeBase {
    using CVdXmlNodeBase::AssignValue;
    using CVdXmlNodeBase::ReadValues;
};

VDXML_ELEMENT RootOf(const IXMLDOMDocument2Ptr& doc) {
    return doc ? VDXML_ELEMENT(doc->GetdocumentElement()) : VDXML_ELEMENT();
}

const wchar_t* kSample =
    L"<R xmlns:x='urn:x'>"
    L"<Name>first</Name><name>lower</name><x:Name>prefixed</x:Name>"
    L"<A><Name>inner</Name><B><Deep>3</Deep></B></A>"
    L"<Name>second</Name>"
    L"</R>";
}  // namespace

TEST(ReadingMapTest, KeysAreNamePlusLevelAndTheFirstRowWins) {
    double a = 0, b = 0;
    VDXML_MAP_PARSE_NODEDATA map;
    map.AddEntry(L"X", 2, F::fmtDouble, &a);
    map.AddEntry(L"X", 2, F::fmtDouble, &b);
    map.AddEntry(L"Y", 1, F::fmtDouble, &b);
    EXPECT_EQ(map.size(), 2u);
    EXPECT_EQ(map.at(L"X2").pData, &a);
    EXPECT_EQ(map.m_nMaxLevel, 2);
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"Major", 3), L"Major3");
    std::uint8_t flags = 0;
    map.AddEntry(L"Z", 1, F::fmtByte, &a, nullptr, 0x04);
    EXPECT_EQ(map.at(L"Z1").flagMask, 0);  // no flag byte, no mask
    map.AddEntry(L"W", 1, F::fmtByte, &a, &flags, 0x04);
    EXPECT_EQ(map.at(L"W1").flagMask, 0x04);
}

TEST(ValueReaderTest, MatchesByQualifiedNameAndLevelOnlyLastWins) {
    IXMLDOMDocument2Ptr doc = LoadDomXml(kSample);
    VDXML_ELEMENT root = RootOf(doc);
    _bstr_t direct, nested;
    std::uint8_t flags = 0;
    VDXML_MAP_PARSE_NODEDATA map;
    map.AddEntry(L"Name", 1, F::fmtString, &direct, &flags, 0x02);
    map.AddEntry(L"Name", 2, F::fmtString, &nested);
    ASSERT_EQ(Reader::ReadValues(root, map), S_OK);
    EXPECT_EQ(direct, L"second");  // "name" and "x:Name" do not match; the last "Name" stays
    EXPECT_EQ(nested, L"inner");
    EXPECT_EQ(flags, 0x02);
}

TEST(ValueReaderTest, DescentStopsAboveTheDeepestLevel) {
    IXMLDOMDocument2Ptr doc = LoadDomXml(kSample);
    VDXML_ELEMENT root = RootOf(doc);
    int deep = -1;
    _bstr_t name;
    VDXML_MAP_PARSE_NODEDATA shallow;
    shallow.AddEntry(L"Name", 1, F::fmtString, &name);
    shallow.AddEntry(L"Deep", 2, F::fmtInt, &deep);  // Deep sits at level 3
    ASSERT_EQ(Reader::ReadValues(root, shallow), S_OK);
    EXPECT_EQ(deep, -1);
    VDXML_MAP_PARSE_NODEDATA full;
    full.AddEntry(L"Deep", 3, F::fmtInt, &deep);
    ASSERT_EQ(Reader::ReadValues(root, full), S_OK);
    EXPECT_EQ(deep, 3);
}

TEST(ValueReaderTest, ElementWithoutChildrenReadsNothing) {
    IXMLDOMDocument2Ptr doc = LoadDomXml(L"<R/>");
    VDXML_ELEMENT root = RootOf(doc);
    double value = 7.0;
    VDXML_MAP_PARSE_NODEDATA map;
    map.AddEntry(L"V", 1, F::fmtDouble, &value);
    EXPECT_EQ(Reader::ReadValues(root, map), S_OK);
    EXPECT_EQ(value, 7.0);
}

TEST(ValueReaderTest, BadRowStopsTheWalkButKeepsEarlierValues) {
    IXMLDOMDocument2Ptr doc = LoadDomXml(L"<R><A>1</A><B>2</B><C>3</C></R>");
    VDXML_ELEMENT root = RootOf(doc);
    int a = 0, c = 0;
    VDXML_MAP_PARSE_NODEDATA nullRow;
    nullRow.AddEntry(L"A", 1, F::fmtInt, &a);
    nullRow.AddEntry(L"B", 1, F::fmtInt, nullptr);
    nullRow.AddEntry(L"C", 1, F::fmtInt, &c);
    EXPECT_EQ(Reader::ReadValues(root, nullRow), E_FAIL);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(c, 0);
    VDXML_MAP_PARSE_NODEDATA badFormat;
    badFormat.AddEntry(L"A", 1, static_cast<F::enmFormat>(0), &a);
    EXPECT_EQ(Reader::ReadValues(root, badFormat), E_FAIL);
    VDXML_ELEMENT empty;
    EXPECT_EQ(Reader::ReadValues(empty, badFormat), E_FAIL);
}

TEST(AssignValueTest, NumbersConvertLikeTheRunTime) {
    int i = -1;
    double d = -1;
    std::uint8_t byte = 0;
    std::int32_t l = 0;
    EXPECT_EQ(Reader::AssignValue(L" 12abc", F::fmtInt, &i), S_OK);
    EXPECT_EQ(i, 12);
    EXPECT_EQ(Reader::AssignValue(L"abc", F::fmtInt, &i), S_OK);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(Reader::AssignValue(L"1e3", F::fmtDouble, &d), S_OK);
    EXPECT_EQ(d, 1000.0);
    EXPECT_EQ(Reader::AssignValue(L"  -2.5xyz", F::fmtDouble, &d), S_OK);
    EXPECT_EQ(d, -2.5);
    EXPECT_EQ(Reader::AssignValue(L"257", F::fmtByte, &byte), S_OK);
    EXPECT_EQ(byte, 1);
    EXPECT_EQ(Reader::AssignValue(L"-1", F::fmtLong, &l), S_OK);
    EXPECT_EQ(l, -1);
    EXPECT_EQ(Reader::AssignValue(L"4294967295", F::fmtLong, &l), S_OK);
    EXPECT_EQ(l, -1);  // wraps as a 32-bit field
    EXPECT_EQ(Reader::AssignValue(L"1", F::fmtInt, nullptr), E_FAIL);
    EXPECT_EQ(Reader::AssignValue(L"1", static_cast<F::enmFormat>(7), &i), E_FAIL);
}

TEST(AssignValueTest, DateTimesReadDayMonthYear) {
    double mjd = 0;
    EXPECT_EQ(Reader::AssignValue(L"15.3.2006 14:05:30.5", F::fmtDateTime, &mjd), S_OK);
    EXPECT_NEAR(mjd, VdXml::Mjd(2006, 3, 15, 14, 5, 30.5), 1e-9);
    // ISO text only fills the first field: 2006 is taken as the day, month and year stay 0.
    EXPECT_EQ(Reader::AssignValue(L"2006-03-15T14:05:30", F::fmtDateTime, &mjd), S_OK);
    EXPECT_DOUBLE_EQ(mjd, VdXml::Mjd(0, 0, 2006, 0, 0, 0.0));
}

TEST(AssignValueTest, StringsAreShared) {
    _bstr_t source(L"shared"), target;
    EXPECT_EQ(Reader::AssignValue(source, F::fmtString, &target), S_OK);
    EXPECT_EQ(target.c_str(), source.c_str());
}

class RootRoundTripTest : public vdxml_test::BothBackEnds {};

TEST_P(RootRoundTripTest, RootReadsBackIntoTheRecord) {
    VDXML_ROOT written = vdxml_test::SampleRoot();
    written.SourceDatasetLocation = L"C:/jobs/12";
    StartDocument(written);
    if (IsSkipped()) return;
    ASSERT_EQ(doc.Save(), S_OK);
    IXMLDOMDocument2Ptr dom = vdxml_test::LoadDom(path());
    VDXML_ELEMENT root = RootOf(dom);
    VDXML_ROOT read;
    read.Units.Linear = read.Units.Angular = read.Units.TimeSystem = 0;
    ASSERT_EQ(CVdXmlDocument::Read(root, read), S_OK);
    EXPECT_EQ(read.Company, written.Company);
    EXPECT_EQ(read.Application, written.Application);
    EXPECT_EQ(read.SourceDatasetLocation, written.SourceDatasetLocation);
    EXPECT_EQ(read.Version.Major, 2);
    EXPECT_EQ(read.Version.Minor, 1);
    EXPECT_EQ(read.Version.Build, 7u);
    EXPECT_EQ(read.Units.Linear, 1u);
    EXPECT_EQ(read.Units.Angular, 1u);
    EXPECT_EQ(read.Units.TimeSystem, 2u);
    EXPECT_TRUE(read.NamespaceURI.empty());  // not an element: not read
}

TEST_P(RootRoundTripTest, WrittenDateTimeReadsBackToTheSameMjd) {
    StartDocument();
    if (IsSkipped()) return;
    CVdXmlNode node;
    ASSERT_EQ(node.Create(Application(), L"When", nullptr), S_OK);
    const double written = 53853.5 + 1234.567 / 86400.0;
    ASSERT_EQ(node.InsertEntryDateTimeMjd(L"T", written), S_OK);
    ASSERT_EQ(doc.Save(), S_OK);
    IXMLDOMDocument2Ptr dom = vdxml_test::LoadDom(path());
    VDXML_ELEMENT when = vdxml_test::ElementAt(dom, L"Application/When");
    double read = 0;
    VDXML_MAP_PARSE_NODEDATA map;
    map.AddEntry(L"T", 1, F::fmtDateTime, &read);
    ASSERT_EQ(Reader::ReadValues(when, map), S_OK);
    EXPECT_NEAR(read, written, 0.001 / 86400.0);
}

TEST(DocumentReadTest, EmptyHandleIsRefusedAndProjectsDoNotLeakIn) {
    VDXML_ROOT read;
    VDXML_ELEMENT empty;
    EXPECT_EQ(CVdXmlDocument::Read(empty, read), E_FAIL);
    IXMLDOMDocument2Ptr doc = LoadDomXml(
        L"<Company><Name>C</Name><Application><Name>A</Name><Project><Name>P</Name>"
        L"<Major>9</Major></Project><Version><Major>3</Major></Version></Application></Company>");
    VDXML_ELEMENT root = RootOf(doc);
    ASSERT_EQ(CVdXmlDocument::Read(root, read), S_OK);
    EXPECT_EQ(read.Application, L"A");  // the project's "Name" sits at level 3
    EXPECT_EQ(read.Version.Major, 3);  // the project's "Major" sits at level 3 too, but comes first
}

VDXML_INSTANTIATE_BOTH_BACKENDS(RootRoundTripTest);

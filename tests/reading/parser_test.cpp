// The event parser: which elements it reports in which order, how failures inside the walk skip
// single elements, and what it refuses outright. The value reader and the reading map below it:
// how a text becomes a value in each format, which descendants the rows of a map match, and the
// keys the rows are stored under.
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <random>
#include <stdexcept>

#include "engine/testing.h"
#include "reading/reading_fixture.h"
#include "support/dom_helpers.h"

using namespace vdxml_test;
using F = VDXML_PARSE_NODEDATA;

namespace {

TEST_F(ReadingTest, WalksKnownElementsInDocumentOrderAndSkipsWhatFails) {
    const std::string two =
        "<Company><Project><Pnt><Crd/></Pnt><Pnt><Crd/></Pnt></Project></Company>";
    // clang-format off
    const struct { std::string xml; const char* failing; std::string elements; } cases[] = {
        // Unknown elements are silent but walked; names count as written, case and prefix too.
        {"<Company><Folder><Group><Pnt/></Group></Folder><pnt/><PNT/><project/><x:Pnt "
         "xmlns:x='urn:x'/><Crd xmlns='urn:any'/></Company>", "",
         "Company Pnt /Pnt Crd /Crd /Company"},
        {"<Archive><Pnt/><Batch><Company><Project/></Company></Batch></Archive>", "",
         "Pnt /Pnt Company Project /Project /Company"},
        {"<?xml version='1.0'?><!-- <Pnt/> --><company>text<!-- <Pnt/> --><?Pnt data?>"
         "<![CDATA[<Pnt/>]]></company>", "", ""},
        // An element whose reader fails is skipped with its whole subtree.
        {"<Company><Rov><TSCE><Span>soon</Span></TSCE><Crd/><Pnt/></Rov><Pnt><Crd/></Pnt><GpsBl>"
         "<Rov><TSCE><Span>later</Span></TSCE><DCrd/></Rov><Rov/></GpsBl></Company>", "",
         "Company Pnt Crd /Crd /Pnt GpsBl Rov /Rov /GpsBl /Company"},
        // An engine error in the first notification of a name abandons the rest of its element.
        {two, "OnPoint", "Company Project Pnt! Pnt Crd /Crd /Pnt /Project /Company"},
        {two, "OnCoordClose",
         "Company Project Pnt Crd /Crd /Pnt Pnt Crd /Crd /Pnt /Project /Company"},
        // Any other exception ends the parse; the records still open are freed (the leak checker
        // would tell) and the next parse starts from an empty table.
        {two, "!OnCoord", "Company Project Pnt Crd!"},
        {two, "OnVdXmlBegin", "Company!"}};
    // clang-format on
    for (const auto& c : cases) {
        log.Clear();
        bool raised = false;
        log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE*) {
            if (name == c.failing && !raised) raised = true, throw _com_error(E_FAIL);
            if ("!" + name == c.failing) throw std::runtime_error("callback gave up");
        };
        ASSERT_EQ(ParseXml(c.xml), c.failing[0] == '!' ? E_FAIL : S_OK) << c.xml;
        EXPECT_EQ(Logged(log), Walk(c.elements)) << c.xml;
    }
    log.onNotice = nullptr;
}

TEST_F(ReadingTest, RefusesBeforeAnyNotification) {
    const int descriptors = OpenDescriptorCount();
    for (const char* broken :
         {"<Company><Pnt><Name>P1</Name></Pnt><Project></Company>", "<Company/><Company/>", "",
          "Company", "<Company><Pnt>", "<Company a='1' a='2'/>", "<Company>\xff\xfe</Company>"})
        EXPECT_EQ(ParseXml(broken), E_FAIL) << broken;
    for (const char* name : {static_cast<const char*>(nullptr), "", "/nonexistent/in.xml", "/"})
        EXPECT_EQ(parser.Parse(name), E_FAIL);
    path = WriteBytes(dir.file("in.xml"), "<Company/>");
    EXPECT_EQ(CVdXmlParser().Parse(path.c_str()), E_FAIL);  // no callback
    VdXmlTestingSetProgIdAvailable(L"MsXml2.DomDocument.4.0", false);
    VdXmlTestingSetProgIdAvailable(L"MsXml2.DomDocument", false);
    EXPECT_EQ(parser.Parse(path.c_str()), E_FAIL);  // no document implementation
    EXPECT_EQ(Logged(log), Names{});
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    // Without the versioned document the version-independent one is taken.
    VdXmlTestingSetProgIdAvailable(L"MsXml2.DomDocument", true);
    EXPECT_EQ(parser.Parse(path.c_str()), S_OK);
    VdXmlTestingResetProgIds();
    EXPECT_EQ(Logged(log), Walk("Company /Company"));
}

struct Reader : CVdXmlNodeBase {  // opens the protected reading steps to the tests
    using CVdXmlNodeBase::AssignValue, CVdXmlNodeBase::ReadValues;
};

TEST(ValueReader, WholeNumbersWrapTo32BitsAndDatesBecomeModifiedJulianDates) {
    // clang-format off
    const struct { const wchar_t* text; F::enmFormat format; double expected; } cases[] = {
        {L" 12abc", F::fmtInt, 12}, {L"abc", F::fmtInt, 0}, {L"+7", F::fmtInt, 7},
        {L"4294967295", F::fmtLong, -1}, {L"2147483648", F::fmtInt, INT_MIN},
        {L"-2147483649", F::fmtInt, INT_MAX}, {L"4294967298", F::fmtLong, 2},
        {L"257", F::fmtByte, 1}, {L"-1", F::fmtByte, 255}, {L"  300x", F::fmtByte, 44},
        {L"17.11.1858 0:0:0", F::fmtDateTime, 0}, {L"1.1.2000 12:00:00", F::fmtDateTime, 51544.5},
        {L"15.3.2006 14:05:30.5", F::fmtDateTime, 53809 + 50730.5 / 86400},
        {L"15.3.2006", F::fmtDateTime, 53809}};  // the fields the text lacks count as 0
    // clang-format on
    for (const auto& c : cases) {
        double date = -1;
        std::int32_t whole = 12345;
        std::uint8_t byte = 77;  // a byte field takes one byte: the sanitizer sees any more
        const bool isDate = c.format == F::fmtDateTime, isByte = c.format == F::fmtByte;
        void* data = isDate   ? static_cast<void*>(&date)
                     : isByte ? static_cast<void*>(&byte)
                              : &whole;
        ASSERT_EQ(Reader::AssignValue(c.text, c.format, data), S_OK);
        EXPECT_NEAR(isDate ? date : isByte ? byte : whole, c.expected, 1e-9) << c.text;
    }
    int unused = 0;
    EXPECT_EQ(Reader::AssignValue(L"1", F::fmtInt, nullptr), E_FAIL);
    EXPECT_EQ(Reader::AssignValue(L"1", static_cast<F::enmFormat>(7), &unused), E_FAIL);
}

TEST(ValueReader, DecimalsReadAsWcstodReadsThem) {
    // Bit for bit (the sign of zero included), whichever way the reader converts the text.
    auto expectSameAsWcstod = [](const std::string& text) {
        const std::wstring wide(text.begin(), text.end());
        double read = -12345.0, expected = std::wcstod(wide.c_str(), nullptr);
        ASSERT_EQ(Reader::AssignValue(_bstr_t(wide), F::fmtDouble, &read), S_OK);
        ASSERT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << "'" << text << "'";
    };
    // clang-format off
    for (const char* text : {"0", "-0", "-0.000", "12.5", "5.", ".5", "-.5", ".", "-", "",
            "1.2.3", "--1", "1-2", " 1.5", "+1.5", "1.5 ", "1.5x", "1e3", "0x1p3", "inf", "nan",
            "0.000000000000000000000000000000000000000000000000000000000001",
            "1234567890123456789012345678901234567890123456789012345678901234.5"})
        // clang-format on
        expectSameAsWcstod(text);
    std::mt19937_64 random(99);
    for (int i = 0; i < 40000; ++i) {  // random bits, and coordinates of a survey
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2) value = std::ldexp(static_cast<double>(bits >> 11), -30) - 4e6;
        if (!std::isfinite(value) || std::fabs(value) > 1e40) continue;
        char text[128];
        std::snprintf(text, sizeof text, "%.*f", static_cast<int>(bits % 21), value);
        expectSameAsWcstod(text);
    }
}

TEST(ValueReader, RowsMatchQualifiedNamesAtTheirLevelAndTheLastMatchWins) {
    IXMLDOMDocument2Ptr doc = LoadDomXml(
        L"<R xmlns:x='urn:x'><Name>first</Name><name>lower</name><x:Name>prefixed</x:Name>"
        L"<A><Name>inner</Name><B><Deep>3</Deep></B></A><Name>second</Name></R>");
    VDXML_ELEMENT root(doc->GetdocumentElement()), none;
    _bstr_t direct, nested;
    std::uint8_t flags = 0x01;
    int deep = -1;
    VDXML_MAP_PARSE_NODEDATA map;
    map.AddEntry(L"Name", 1, F::fmtString, &direct, &flags, 0x04);
    map.AddEntry(L"Name", 2, F::fmtString, &nested);
    map.AddEntry(L"Deep", 2, F::fmtInt, &deep);  // Deep sits at level 3, below the deepest row
    ASSERT_EQ(Reader::ReadValues(root, map), S_OK);
    EXPECT_EQ(direct.wstr() + L"/" + nested.wstr() + L"/" + std::to_wstring(flags) + L"/" +
                  std::to_wstring(deep),
              L"second/inner/5/-1");
    map.AddEntry(L"Deep", 3, F::fmtInt, &deep);
    ASSERT_EQ(Reader::ReadValues(root, map), S_OK);
    EXPECT_EQ(deep, 3);
    // A row that cannot be assigned, at any level, stops the whole walk there; what was read
    // before stays.
    VDXML_MAP_PARSE_NODEDATA broken;
    broken.AddEntry(L"Name", 1, F::fmtString, &direct);
    broken.AddEntry(L"Deep", 3, F::fmtInt, nullptr);
    EXPECT_EQ(Reader::ReadValues(root, broken), E_FAIL);
    EXPECT_EQ(direct, L"first");
    EXPECT_EQ(Reader::ReadValues(none, map), E_FAIL);
}

TEST(ReadingMap, KeysAreTheNameAndTheLevelInDecimalAndTheFirstRowOfAKeyStays) {
    for (const _bstr_t& name : {_bstr_t(L"Name"), _bstr_t(L"Q11"), _bstr_t(L""),
                                _bstr_t(std::wstring(53, L'e')), _bstr_t(std::wstring(60, L'n'))})
        for (const int level : {0, 1, 10, 12, -1, 1234567, INT_MIN, INT_MAX})
            for (int twice = 0; twice < 2; ++twice)  // the second time the thread's cache answers
                EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(name, level),
                          _bstr_t(name.wstr() + std::to_wstring(level)));
    for (int i = 0; i < 300; ++i) {  // names that come and go, perhaps at the same address
        const _bstr_t name(L"N" + std::to_wstring(i));
        EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(name, 1), _bstr_t(name.wstr() + L"1"));
    }
    double a = 0, b = 0;
    std::uint8_t flags = 0;
    VDXML_MAP_PARSE_NODEDATA map;
    map.AddEntry(L"Q11", 2, F::fmtDouble, &a);
    map.AddEntry(L"Q1", 12, F::fmtDouble, &b);  // the key "Q112" again: dropped
    map.AddEntry(L"Z", 1, F::fmtByte, &b, nullptr, 0x04);
    map.AddEntry(L"W", 1, F::fmtByte, &b, &flags, 0x04);
    EXPECT_EQ(map.size(), 3u);
    EXPECT_EQ(map.at(L"Q112").pData, &a);
    EXPECT_EQ(map.m_nMaxLevel, 2);
    EXPECT_EQ(map.at(L"Z1").flagMask + map.at(L"W1").flagMask, 0x04);  // no flags, no mask
}

}  // namespace

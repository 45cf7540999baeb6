// Entry texts: numbers, cleaned text, date-times, time spans and the small shared records,
// checked in the written file through both back ends.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>

#include "support/document_fixture.h"
#include "vdxml/vocabulary.h"

using vdxml_test::BothBackEnds;
using vdxml_test::XmlTree;

namespace {
// Date-time carries use local time; pin the zone so that they are reproducible.
struct UtcZone {
    UtcZone() {
        setenv("TZ", "UTC", 1);
        tzset();
    }
} const utcZone;
}  // namespace

class EntryTest : public BothBackEnds {
  protected:
    void SetUp() override {
        StartDocument();
        if (IsSkipped()) return;
        ASSERT_EQ(node.Create(Application(), L"Probe", nullptr), S_OK);
    }
    const XmlTree& Probe() {
        tree = SaveAndLoad();
        const XmlTree* probe = ApplicationOf(tree).child("Probe");
        static const XmlTree kNone;
        EXPECT_NE(probe, nullptr);
        return probe ? *probe : kNone;
    }
    CVdXmlNode node;
    XmlTree tree;
};

TEST_P(EntryTest, DoublesUseFixedDecimals) {
    EXPECT_EQ(node.InsertEntry(L"Third", 1.0 / 3.0, 4), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Whole", 12.0, 0), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Negative", -0.5, 3), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Angle", 1.234567890123456789, 15), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Huge", 1e300, 2), S_OK);
    const XmlTree& p = Probe();
    EXPECT_EQ(p.childText("Third"), "0.3333");
    EXPECT_EQ(p.childText("Whole"), "12");
    EXPECT_EQ(p.childText("Negative"), "-0.500");
    EXPECT_EQ(p.childText("Angle"), "1.234567890123457");
    // Too long for the usual buffer, written in full rather than cut.
    const std::string huge = p.childText("Huge");
    EXPECT_EQ(huge.size(), 304u);
    EXPECT_EQ(huge.substr(0, 4), "1000");
    EXPECT_EQ(huge.substr(huge.size() - 3), ".00");
}

TEST_P(EntryTest, UnsetAndNonFiniteDoublesAreSkipped) {
    const double skipped[] = {std::numeric_limits<double>::quiet_NaN(), 1.7976931348623157e+308,
                              -std::numeric_limits<double>::infinity(), -1.7976931348623157e+308};
    for (double value : skipped) EXPECT_EQ(node.InsertEntry(L"Skipped", value, 5), S_FALSE);
    EXPECT_EQ(node.InsertEntry(L"Almost", 1.7976931348623155e+10, 0), S_OK);
    const XmlTree& p = Probe();
    EXPECT_EQ(p.count("Skipped"), 0u);
    EXPECT_EQ(p.childText("Almost"), "17976931349");
}

TEST_P(EntryTest, FloatsAreAlwaysWritten) {
    EXPECT_EQ(node.InsertEntry(L"F", 0.25f, 3), S_OK);
    EXPECT_EQ(node.InsertEntry(L"N", std::numeric_limits<float>::quiet_NaN(), 2), S_OK);
    const XmlTree& p = Probe();
    EXPECT_EQ(p.childText("F"), "0.250");
    EXPECT_EQ(p.childText("N"), "nan");
}

TEST_P(EntryTest, IntegersAreDecimalNumbers) {
    EXPECT_EQ(node.InsertEntry(L"Long", -42L), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Unsigned", 4294967295UL), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Byte", static_cast<unsigned char>(65)), S_OK);
    // 32-bit fields: -1 written as unsigned is the same bit pattern as 0xFFFFFFFF.
    EXPECT_EQ(node.InsertEntry(L"MinusOneUnsigned",
                               static_cast<unsigned long>(static_cast<std::uint32_t>(-1))),
              S_OK);
    const XmlTree& p = Probe();
    EXPECT_EQ(p.childText("Long"), "-42");
    EXPECT_EQ(p.childText("Unsigned"), "4294967295");
    EXPECT_EQ(p.childText("Byte"), "65");
    EXPECT_EQ(p.childText("MinusOneUnsigned"), "4294967295");
}

TEST_P(EntryTest, TextIsCleanedThroughTheCodePage) {
    EXPECT_EQ(node.InsertEntry(L"Tab", _bstr_t(L"a\tb\nc")), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Markup", _bstr_t(L"x < y & z > w \"q\"")), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Degree", _bstr_t(L"360\u00B0 prism \u20AC")), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Lost", _bstr_t(L"\u03B1\u00AD\u0081!")), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Empty", _bstr_t()), S_OK);
    const XmlTree& p = Probe();
    EXPECT_EQ(p.childText("Tab"), "a b c");
    EXPECT_EQ(p.childText("Markup"), "x < y & z > w \"q\"");
    EXPECT_EQ(p.childText("Degree"), "360\xC2\xB0 prism \xE2\x82\xAC");
    EXPECT_EQ(p.childText("Lost"),
              "?  !");  // alpha lacks a byte; soft hyphen and 0x81 become spaces
    EXPECT_EQ(p.childText("Empty"), "");
}

TEST_P(EntryTest, EntryAttributesAreWrittenInOrder) {
    std::list<VDXML_ATTRIBUTE> attrs{{L"unit", _variant_t(L"m")}, {L"", _variant_t(L"ignored")}};
    EXPECT_EQ(node.InsertEntry(L"Length", 2.5, 1, &attrs), S_OK);
    EXPECT_EQ(node.InsertEntry(L"Computed", 1.0, 1, &CVdXmlNode::m_listAttrValueSourceComputed),
              S_OK);
    const XmlTree& p = Probe();
    const XmlTree* length = p.child("Length");
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length->attrs.at("unit"), "m");
    EXPECT_EQ(length->attrs.size(), 1u);
    EXPECT_EQ(p.child("Computed")->attrs.at("vsrc"), "c");
}

TEST_P(EntryTest, DateTimesFromMjdOleAndTm) {
    EXPECT_EQ(node.InsertEntryDateTimeMjd(L"Noon", 53853.5), S_OK);
    EXPECT_EQ(node.InsertEntryDateTimeMjd(L"Six", 53853.25), S_OK);
    EXPECT_EQ(node.InsertEntryDateTimeOle(L"OleSix", 38835.25), S_OK);
    EXPECT_EQ(node.InsertEntryDateTimeMjd(L"Late", 53736.99999999), S_OK);
    // A fraction of a second >= 0.99995 would print 60.0000: it moves to the next second.
    EXPECT_EQ(node.InsertEntryDateTimeMjd(L"Carry", 53853.5 - 0.00002 / 86400.0), S_OK);
    tm t{};
    t.tm_year = 106, t.tm_mon = 3, t.tm_mday = 28, t.tm_hour = 12, t.tm_min = 5, t.tm_sec = 7;
    EXPECT_EQ(node.InsertEntryDateTimeTm(L"Tm", t, 0.25), S_OK);
    EXPECT_EQ(node.InsertEntryDateTimeTm(L"Negative", t, -3.0), S_OK);
    const std::list<VDXML_ATTRIBUTE> extra{{L"vsrc", _variant_t(L"c")}};
    EXPECT_EQ(node.InsertEntryDateTimeMjd(L"Marked", 53853.5, &extra), S_OK);
    const XmlTree& p = Probe();
    EXPECT_EQ(p.childText("Noon"), "2006-04-28T12:00:00.0000");
    EXPECT_EQ(p.childText("Six"), "2006-04-28T06:00:00.0000");
    EXPECT_EQ(p.childText("OleSix"), p.childText("Six"));
    EXPECT_EQ(p.childText("Late"), "2006-01-01T23:59:59.9991");
    EXPECT_EQ(p.childText("Carry"), "2006-04-28T12:00:00.0000");
    EXPECT_EQ(p.childText("Tm"), "2006-04-28T12:05:07.2500");
    EXPECT_EQ(p.childText("Negative"), "2006-04-28T12:05:07.0000");
    EXPECT_EQ(p.child("Noon")->attrs.at("dt:dt"), "datetime");
    EXPECT_EQ(p.child("Noon")->attrNs.at("dt:dt"), "urn:schemas-microsoft-com:datatypes");
    EXPECT_EQ(p.child("Marked")->attrs.at("vsrc"), "c");
    EXPECT_EQ(p.child("Marked")->attrs.at("dt:dt"), "datetime");
}

TEST_P(EntryTest, DatesWithoutCalendarAreRefused) {
    EXPECT_EQ(node.InsertEntryDateTimeMjd(L"Nan", std::nan("")), E_FAIL);
    EXPECT_EQ(node.InsertEntryDateTimeOle(L"Far", 1e9), E_FAIL);
    const XmlTree& p = Probe();
    EXPECT_EQ(p.count("Nan") + p.count("Far"), 0u);
}

TEST_P(EntryTest, TimeSpansInDays) {
    EXPECT_EQ(node.InsertEntryTimeSpanMjd(L"OneAndHalf", 1.5), S_OK);
    EXPECT_EQ(node.InsertEntryTimeSpanMjd(L"MinusHour", -1.0 / 24.0), S_OK);
    EXPECT_EQ(node.InsertEntryTimeSpanMjd(L"NegZero", -0.0), S_OK);
    EXPECT_EQ(node.InsertEntryTimeSpanOle(L"AlmostDay", 0.999999999), S_OK);
    EXPECT_EQ(node.InsertEntryTimeSpanMjd(L"CarryDay", 0.9999999999), S_OK);
    EXPECT_EQ(node.InsertEntryTimeSpanMjd(L"Nan", std::nan("")), S_FALSE);
    const XmlTree& p = Probe();
    EXPECT_EQ(p.childText("OneAndHalf"), "P1DT12H0M0.0000S");
    EXPECT_EQ(p.childText("MinusHour"), "-P0DT1H0M0.0000S");
    EXPECT_EQ(p.childText("NegZero"), "P0DT0H0M0.0000S");
    EXPECT_EQ(p.childText("AlmostDay"), "P0DT23H59M59.9999S");  // 0.0000864 s short: no carry
    EXPECT_EQ(p.childText("CarryDay"), "P1DT0H0M0.0000S");
    EXPECT_TRUE(p.child("OneAndHalf")->attrs.empty());
    EXPECT_EQ(p.count("Nan"), 0u);
}

TEST_P(EntryTest, SharedRecords) {
    VDXML_ITEMNAME item;
    item.Note = L"note only";
    EXPECT_EQ(node.InsertItemName(item), E_FAIL);
    item.Name = L"P1";
    EXPECT_EQ(node.InsertItemName(item), S_OK);

    VDXML_ERROR none;
    EXPECT_EQ(node.InsertError(L"Err", none), E_FAIL);
    VDXML_ERROR error;
    error.Code = -3;
    EXPECT_EQ(node.InsertError(L"Err", error), S_OK);
    VDXML_WARNING warning;
    warning.Description = L"low battery";
    EXPECT_EQ(node.InsertWarning(L"Warn", warning), S_OK);

    VDXML_MINMAX mm{std::nan(""), 2.0};
    EXPECT_EQ(node.InsertMinMax(L"Range", mm, 2), S_OK);
    VDXML_MINMAX empty{std::nan(""), std::nan("")};
    EXPECT_EQ(node.InsertMinMax(L"EmptyRange", empty, 2), S_FALSE);

    VDXML_VERSION version;
    version.Major = 4;
    EXPECT_EQ(node.InsertVersion(version), S_OK);
    VDXML_VERSION noMajor;
    EXPECT_EQ(node.InsertVersion(noMajor), E_FAIL);

    const XmlTree& p = Probe();
    EXPECT_EQ(p.childText("Name"), "P1");
    EXPECT_EQ(p.childText("Note"), "note only");
    EXPECT_EQ(p.child("Err")->childNames(), std::vector<std::string>{"ErrCode"});
    EXPECT_EQ(p.child("Err")->childText("ErrCode"), "-3");
    EXPECT_EQ(p.child("Warn")->childNames(), std::vector<std::string>{"WarnDesc"});
    EXPECT_EQ(p.child("Range")->childNames(), std::vector<std::string>{"Max"});
    EXPECT_TRUE(p.child("EmptyRange")->children.empty());
    EXPECT_EQ(p.count("Version"), 1u);
    EXPECT_EQ(p.child("Version")->childNames(), (std::vector<std::string>{"Major", "Minor"}));
    EXPECT_EQ(p.child("Version")->childText("Minor"), "0");
}

TEST_P(EntryTest, TimeSpanComputesTheMissingValue) {
    VDXML_TIMESPAN nothing;
    EXPECT_EQ(node.InsertTimeSpan(L"TS", nothing), E_FAIL);
    VDXML_TIMESPAN startEnd;
    startEnd.Start = 53853.5;
    startEnd.End = 53855.0;
    VDXML_TIMESPAN endSpan;
    endSpan.End = 53853.5;
    endSpan.Span = 0.25;
    VDXML_VEC_TIMESPAN both{startEnd, endSpan};
    EXPECT_EQ(node.InsertTimeSpan(L"TS", both), S_OK);
    EXPECT_EQ(node.InsertTimeSpan(L"TS", VDXML_VEC_TIMESPAN{}), S_OK);
    const XmlTree& p = Probe();
    ASSERT_EQ(p.count("TS"), 2u);
    const XmlTree& first = *p.child("TS", 0);
    EXPECT_EQ(first.childNames(), (std::vector<std::string>{"Start", "End", "Span"}));
    EXPECT_EQ(first.child("Span")->text, "P1DT12H0M0.0000S");
    EXPECT_EQ(first.child("Span")->attrs.at("vsrc"), "c");
    EXPECT_EQ(first.child("Span")->attrs.count("dt:dt"), 0u);
    EXPECT_EQ(first.child("Start")->attrs.count("vsrc"), 0u);
    const XmlTree& second = *p.child("TS", 1);
    EXPECT_EQ(second.childText("Start"), "2006-04-28T06:00:00.0000");
    EXPECT_EQ(second.child("Start")->attrs.at("vsrc"), "c");
    EXPECT_EQ(second.child("Start")->attrs.at("dt:dt"), "datetime");
}

TEST_P(EntryTest, EnumeratedValueWithoutTextFailsAfterTheNumber) {
    static const VdXmlEnumText kTable[] = {{1, L"One"}, {-1, L"None"}};
    EXPECT_EQ(node.InsertEnumerated(L"Known", 1UL, kTable), S_OK);
    EXPECT_EQ(node.InsertEnumeratedSigned(L"Signed", -1L, kTable), S_OK);
    EXPECT_EQ(node.InsertEnumerated(L"Unknown", 7UL, kTable), E_FAIL);
    const XmlTree& p = Probe();
    EXPECT_EQ(p.childText("Known"), "1");
    EXPECT_EQ(p.childText("Signed"), "-1");
    EXPECT_EQ(p.childText("Unknown"), "7");  // the number stays written
    EXPECT_FALSE(p.hasComment);              // no back end writes comments
}

TEST_P(EntryTest, EntriesNeedAnElement) {
    CVdXmlNode unattached;
    EXPECT_EQ(unattached.InsertEntry(L"X", 1.0, 2), E_FAIL);
    EXPECT_EQ(unattached.InsertComment(L"text"), E_FAIL);
    CVdXmlNode noElement(static_cast<const CVdXmlNodeBase&>(node));  // shares the root, no element
    EXPECT_EQ(noElement.InsertEntry(L"X", _bstr_t(L"v")), E_FAIL);
    EXPECT_EQ(node.InsertComment(_bstr_t()), E_FAIL);
    ASSERT_EQ(node.InsertEntry(L"Before", 1L), S_OK);  // a comment follows an entry
    EXPECT_EQ(node.InsertComment(L"fine"), S_OK);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(EntryTest);

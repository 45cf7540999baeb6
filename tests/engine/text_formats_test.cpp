// The two small text formats the engine reads itself: date-time values and the data of an
// XML declaration.
#include <gtest/gtest.h>

#include "engine/ole_date.h"
#include "engine/xml_declaration.h"
#include "vdxml/platform/bstr.h"

namespace {

using VdXmlEngine::ParseDateTime;
using VdXmlEngine::ParseXmlDeclaration;

double Date(const char* text) {
    double value = -99999.0;
    EXPECT_TRUE(ParseDateTime(text, value)) << text;
    return value;
}

TEST(DateTimeText, CalendarDaysCountFromTheOleEpoch) {
    EXPECT_DOUBLE_EQ(0.0, Date("1899-12-30"));
    EXPECT_DOUBLE_EQ(1.0, Date("1899-12-31T00:00:00"));
    EXPECT_DOUBLE_EQ(2.0, Date("1900-01-01"));  // no phantom 29 February 1900
    EXPECT_DOUBLE_EQ(38835.5, Date("2006-04-28T12:00"));
    EXPECT_DOUBLE_EQ(38777.0, Date("2006-03-01"));
    EXPECT_DOUBLE_EQ(2958465.0, Date("9999-12-31"));
    EXPECT_DOUBLE_EQ(-657434.0, Date("0100-01-01"));
}

TEST(DateTimeText, TimeOfDayAndFractionsOfSeconds) {
    EXPECT_NEAR(38835.0 + 43507.25 / 86400.0, Date("2006-04-28T12:05:07.2500"), 1e-11);
    EXPECT_NEAR(38835.0 + 43507.123456789 / 86400.0, Date("2006-04-28T12:05:07.123456789"), 1e-11);
    EXPECT_NEAR(38835.0 + 86399.9999 / 86400.0, Date(" 2006-04-28T23:59:59.9999\n"), 1e-11);
    // Before the epoch the time of day counts away from zero.
    EXPECT_DOUBLE_EQ(-1.25, Date("1899-12-29T06:00:00"));
}

TEST(DateTimeText, LeapDays) {
    double value = 0.0;
    EXPECT_TRUE(ParseDateTime("2004-02-29", value));
    EXPECT_TRUE(ParseDateTime("2000-02-29", value));
    EXPECT_FALSE(ParseDateTime("1900-02-29", value));
    EXPECT_FALSE(ParseDateTime("2005-02-29", value));
}

TEST(DateTimeText, AnythingElseIsNotADate) {
    double value = 0.0;
    for (const char* bad :
         {"", "2006", "2006-4-28", "28.4.2006 12:05:07", "2006-04-28T", "2006-04-28T12",
          "2006-04-28T12:05:07.", "2006-04-28T12:05:07Z", "2006-04-28T12:05:07+01:00",
          "2006-04-28 12:05:07", "2006-13-01", "2006-04-31", "2006-04-00", "2006-04-28T24:00:00",
          "2006-04-28T12:60:00", "2006-04-28T12:00:60", "0099-12-31", "2006-04-28T12:05:07.2x"})
        EXPECT_FALSE(ParseDateTime(bad, value)) << bad;
}

TEST(DeclarationText, VersionEncodingAndStandalone) {
    auto full = ParseXmlDeclaration(L" version='1.0' encoding='utf-16'");
    ASSERT_TRUE(full);
    EXPECT_EQ("1.0", full->version);
    EXPECT_EQ("utf-16", full->encoding);
    EXPECT_EQ(-1, full->standalone);

    auto spaced = ParseXmlDeclaration(L"version = \"1.1\"\tstandalone=\"no\" ");
    ASSERT_TRUE(spaced);
    EXPECT_EQ("1.1", spaced->version);
    EXPECT_EQ("", spaced->encoding);
    EXPECT_EQ(0, spaced->standalone);
    EXPECT_EQ(
        1,
        ParseXmlDeclaration(L" version='1.0' encoding='ISO-8859-1' standalone='yes'")->standalone);
}

TEST(DeclarationText, MalformedDataIsRefused) {
    for (const wchar_t* bad :
         {L"", L" encoding='utf-16'", L" version='1.0'encoding='utf-16'", L" version='2.0'",
          L" version='1.'", L" version='1.0", L" version=1.0", L" version='1.0' encoding='8bit'",
          L" version='1.0' standalone='maybe'", L" encoding='utf-16' version='1.0'",
          L" version='1.0' other='x'", L" version='1.0' encoding='\u00E4'"})
        EXPECT_FALSE(ParseXmlDeclaration(bad)) << _bstr_t(bad).utf8();
}

}  // namespace

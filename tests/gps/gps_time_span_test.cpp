// The time span of common epochs of a rover: written only with two of its three values, the
// third computed and marked, and read back into the same dates and days.
#include <gtest/gtest.h>

#include "gps_samples.h"
#include "support/application_fixture.h"
#include "vdxml/gps_rover.h"

using namespace vdxml_test;

namespace {
// One millisecond in days.
constexpr double kMillisecond = 1.0 / 86400000.0;

VDXML_GPS_ROVER RoverWith(double start, double end, double span) {
    VDXML_GPS_ROVER r;
    r.Flags = VDXML_GPS_SETUP::flagSetup;
    r.TSCE.Start = start;
    r.TSCE.End = end;
    r.TSCE.Span = span;
    return r;
}
constexpr double kUnset = VDXML_UNDEFINED;
}  // namespace

class GpsTimeSpan : public ApplicationTest {
  protected:
    /// Writes the rover, reads it back and returns what was read.
    VDXML_GPS_ROVER RoundTrip(const VDXML_GPS_ROVER& rover) {
        CVdXmlGpsRover rov;
        EXPECT_EQ(rov.Create(Application(), rover), S_OK);
        VDXML_ELEMENT element = Saved(L"Application/Rov");
        VDXML_GPS_ROVER read;
        EXPECT_EQ(CVdXmlGpsRover::Read(element, read), S_OK);
        return read;
    }
};

TEST_P(GpsTimeSpan, OneValueAloneWritesNoTimeSpan) {
    CVdXmlGpsRover rov;
    ASSERT_EQ(rov.Create(Application(), RoverWith(53736.25, kUnset, kUnset)), S_OK);
    ASSERT_EQ(rov.Create(Application(), RoverWith(kUnset, 53736.25, kUnset)), S_OK);
    ASSERT_EQ(rov.Create(Application(), RoverWith(kUnset, kUnset, 1.5)), S_OK);
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("Rov"), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(app.child("Rov", i)->count("TSCE"), 0u) << i;
}

TEST_P(GpsTimeSpan, TheMissingValueIsComputedAndMarked) {
    CVdXmlGpsRover rov;
    ASSERT_EQ(rov.Create(Application(), RoverWith(53736.25, kUnset, 1.5)), S_OK);
    ASSERT_EQ(rov.Create(Application(), RoverWith(53736.25, 53737.75, kUnset)), S_OK);
    ASSERT_EQ(rov.Create(Application(), RoverWith(kUnset, 53737.75, 1.5)), S_OK);
    ASSERT_EQ(rov.Create(Application(), RoverWith(53736.25, 53737.75, 1.5)), S_OK);
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("Rov"), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const XmlTree& ts = *app.child("Rov", i)->child("TSCE");
        ASSERT_EQ(ts.childNames(), (Names{"Start", "End", "Span"})) << i;
        EXPECT_EQ(ts.childText("Start"), "2006-01-01T06:00:00.0000") << i;
        EXPECT_EQ(ts.childText("End"), "2006-01-02T18:00:00.0000") << i;
        EXPECT_EQ(ts.childText("Span"), "P1DT12H0M0.0000S") << i;
        EXPECT_EQ(ts.child("Start")->attrs.at("dt:dt"), "datetime");
        EXPECT_EQ(ts.child("End")->attrs.at("dt:dt"), "datetime");
        EXPECT_EQ(IsMarkedComputed(*ts.child("Start")), i == 2) << i;
        EXPECT_EQ(IsMarkedComputed(*ts.child("End")), i == 0) << i;
        EXPECT_EQ(IsMarkedComputed(*ts.child("Span")), i == 1) << i;
    }
}

TEST_P(GpsTimeSpan, ReadsBackToTheMillisecond) {
    const double start = 53736.0 + (7 * 3600 + 8 * 60 + 9.123) / 86400.0;
    const double end = start + 1.0 + (2 * 3600 + 0.456) / 86400.0;
    const VDXML_GPS_ROVER read = RoundTrip(RoverWith(start, end, kUnset));
    EXPECT_NEAR(read.TSCE.Start, start, kMillisecond);
    EXPECT_NEAR(read.TSCE.End, end, kMillisecond);
    EXPECT_NEAR(read.TSCE.Span, end - start, kMillisecond);
    // The common epochs set no flag of any kind.
    EXPECT_EQ(read.Flags, 0);
    EXPECT_EQ(read.DOPs.Flags, 0);
    EXPECT_EQ(read.Antenna.Flags, 0);
}

TEST_P(GpsTimeSpan, WholeDaysAndHoursReadBackExactly) {
    const VDXML_GPS_ROVER read = RoundTrip(RoverWith(53736.25, kUnset, 1.5));
    EXPECT_EQ(read.TSCE.Span, 1.5);
    EXPECT_NEAR(read.TSCE.Start, 53736.25, kMillisecond);
    EXPECT_NEAR(read.TSCE.End, 53737.75, kMillisecond);
}

TEST_P(GpsTimeSpan, NegativeSpanReadsBackNegative) {
    // An end before the start: the span is written with its sign.
    const VDXML_GPS_ROVER read = RoundTrip(RoverWith(53737.75, kUnset, -1.5));
    EXPECT_EQ(read.TSCE.Span, -1.5);
    EXPECT_NEAR(read.TSCE.End, 53736.25, kMillisecond);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(GpsTimeSpan);

// Span texts from elsewhere: every duration of days, hours, minutes and seconds is read;
// anything else fails the read and leaves the span unset, the other values read.
TEST(GpsTimeSpanText, DurationsOfDaysHoursMinutesAndSeconds) {
    struct Case {
        const wchar_t* text;
        double days;
    };
    const Case cases[] = {
        {L"P1DT12H0M0.0000S", 1.5},
        {L"-P1DT12H0M0.0000S", -1.5},
        {L"PT36H", 1.5},
        {L"P1.5D", 1.5},
        {L"PT90M", 0.0625},
        {L"  P0DT0H0M43.2000S ", 0.0005},
        {L"PT0.5S", 0.5 / 86400.0},
        {L"P0D", 0.0},
    };
    for (const Case& c : cases) {
        const std::wstring xml = std::wstring(L"<Rov><AntHgt>1.5</AntHgt><TSCE><Span>") + c.text +
                                 L"</Span></TSCE></Rov>";
        IXMLDOMDocument2Ptr dom = LoadDomXml(xml);
        ASSERT_TRUE(dom);
        VDXML_ELEMENT element = ElementAt(dom, L"");
        VDXML_GPS_ROVER rover;
        ASSERT_EQ(CVdXmlGpsRover::Read(element, rover), S_OK) << c.text;
        EXPECT_DOUBLE_EQ(rover.TSCE.Span, c.days) << c.text;
    }
}

TEST(GpsTimeSpanText, OtherTextsFailAndLeaveTheSpanUnset) {
    for (const wchar_t* text : {L"P1Y", L"P2M", L"P1W", L"1DT2H", L"P", L"PT", L"P1DT", L"P1H",
                                L"PT1S2M", L"P1DT2H3", L"P1D extra", L"abc", L"-", L"P-1D"}) {
        const std::wstring xml =
            std::wstring(L"<Rov><AntHgt>1.5</AntHgt><TSCE><Span>") + text + L"</Span></TSCE></Rov>";
        IXMLDOMDocument2Ptr dom = LoadDomXml(xml);
        ASSERT_TRUE(dom);
        VDXML_ELEMENT element = ElementAt(dom, L"");
        VDXML_GPS_ROVER rover;
        EXPECT_EQ(CVdXmlGpsRover::Read(element, rover), E_FAIL) << text;
        EXPECT_TRUE(VdXmlIsUndefined(rover.TSCE.Span)) << text;
        EXPECT_EQ(rover.AntHgt, 1.5) << text;
    }
}

// The time span of common epochs of a rover: written only with two of its three values, the
// third computed and marked, and read back into the same dates and days.
#include <gtest/gtest.h>

#include "support/application_fixture.h"
#include "vdxml/gps_rover.h"

using namespace vdxml_test;

namespace {
constexpr double kMillisecond = 1.0 / 86400000.0;  // in days
constexpr double kUnset = VDXML_UNDEFINED;

VDXML_GPS_ROVER RoverWith(double start, double end, double span) {
    VDXML_GPS_ROVER r;
    r.Flags = VDXML_GPS_SETUP::flagSetup;
    r.TSCE = {start, end, span};
    return r;
}

bool IsComputed(const XmlTree& t) { return t.attrs.count("vsrc") && t.attrs.at("vsrc") == "c"; }

// Reads a rover from XML text holding a span and an antenna height.
long ReadSpan(const std::wstring& span, VDXML_GPS_ROVER& rover) {
    IXMLDOMDocument2Ptr dom =
        LoadDomXml(L"<Rov><AntHgt>1.5</AntHgt><TSCE><Span>" + span + L"</Span></TSCE></Rov>");
    VDXML_ELEMENT element = ElementAt(dom, L"");
    return CVdXmlGpsRover::Read(element, rover);
}
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

TEST_P(GpsTimeSpan, WrittenWithTwoValuesTheThirdComputedAndMarked) {
    const VDXML_GPS_ROVER rovers[] = {
        RoverWith(53736.25, kUnset, kUnset), RoverWith(kUnset, kUnset, 1.5),  // one: none
        RoverWith(53736.25, kUnset, 1.5),    RoverWith(53736.25, 53737.75, kUnset),
        RoverWith(kUnset, 53737.75, 1.5),    RoverWith(53736.25, 53737.75, 1.5),
    };
    CVdXmlGpsRover rov;
    for (const VDXML_GPS_ROVER& r : rovers) ASSERT_EQ(rov.Create(Application(), r), S_OK);
    const XmlTree& app = Written();
    EXPECT_EQ(app.child("Rov", 0)->count("TSCE") + app.child("Rov", 1)->count("TSCE"), 0u);
    for (std::size_t i = 2; i < 6; ++i) {
        const XmlTree& ts = *app.child("Rov", i)->child("TSCE");
        ASSERT_EQ(ts.childNames(), (Names{"Start", "End", "Span"})) << i;
        EXPECT_EQ(ts.childText("Start"), "2006-01-01T06:00:00.0000") << i;
        EXPECT_EQ(ts.childText("End"), "2006-01-02T18:00:00.0000") << i;
        EXPECT_EQ(ts.childText("Span"), "P1DT12H0M0.0000S") << i;
        EXPECT_EQ(ts.child("End")->attrs.at("dt:dt"), "datetime");
        EXPECT_EQ(IsComputed(*ts.child("End")), i == 2) << i;
        EXPECT_EQ(IsComputed(*ts.child("Span")), i == 3) << i;
        EXPECT_EQ(IsComputed(*ts.child("Start")), i == 4) << i;
    }
}

TEST_P(GpsTimeSpan, ReadsBackToTheMillisecondWithoutAnyFlag) {
    const double start = 53736.0 + (7 * 3600 + 8 * 60 + 9.123) / 86400.0;
    const double end = start + 1.0 + (2 * 3600 + 0.456) / 86400.0;
    const VDXML_GPS_ROVER read = RoundTrip(RoverWith(start, end, kUnset));
    EXPECT_NEAR(read.TSCE.Start, start, kMillisecond);
    EXPECT_NEAR(read.TSCE.End, end, kMillisecond);
    EXPECT_NEAR(read.TSCE.Span, end - start, kMillisecond);
    EXPECT_EQ(read.Flags | read.DOPs.Flags | read.Antenna.Flags, 0);
}

TEST_P(GpsTimeSpan, NegativeSpanReadsBackExactly) {
    const VDXML_GPS_ROVER read = RoundTrip(RoverWith(53737.75, kUnset, -1.5));
    EXPECT_EQ(read.TSCE.Span, -1.5);
    EXPECT_NEAR(read.TSCE.End, 53736.25, kMillisecond);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(GpsTimeSpan);

TEST(GpsTimeSpanText, DurationsOfDaysHoursMinutesAndSeconds) {
    const std::pair<const wchar_t*, double> cases[] = {
        {L"-P1DT12H0M0.0000S", -1.5},    {L"PT36H", 1.5},    {L"P1.5D", 1.5},
        {L" P0DT0H0M43.2000S ", 0.0005}, {L"PT90M", 0.0625}, {L"P0D", 0.0},
    };
    for (const auto& [text, days] : cases) {
        VDXML_GPS_ROVER rover;
        ASSERT_EQ(ReadSpan(text, rover), S_OK) << text;
        EXPECT_DOUBLE_EQ(rover.TSCE.Span, days) << text;
    }
    VDXML_GPS_ROVER empty;  // an empty span counts as not given
    EXPECT_EQ(ReadSpan(L"", empty), S_OK);
    EXPECT_TRUE(VdXmlIsUndefined(empty.TSCE.Span));
}

TEST(GpsTimeSpanText, OtherTextsFailAndLeaveTheSpanUnset) {
    const std::wstring tooLong = L"P" + std::wstring(400, L'9') + L"D";
    for (const std::wstring text :
         {L"P1Y", L"P2M", L"P1W", L"1DT2H", L"P", L"PT", L"P1DT", L"P1H", L"PT1S2M", L"P1DT2H3",
          L"P1D x", L"-", L"P-1D", tooLong.c_str()}) {
        VDXML_GPS_ROVER rover;
        EXPECT_EQ(ReadSpan(text, rover), E_FAIL) << text.substr(0, 10);
        EXPECT_TRUE(VdXmlIsUndefined(rover.TSCE.Span)) << text.substr(0, 10);
        EXPECT_EQ(rover.AntHgt, 1.5);  // the other values are read
    }
}

// Entry texts: fixed decimals against printf, then entries of every kind written and read back
// as the element readers read them (numbers, texts, date-times and time spans must come back as
// the values written), and the regressions found by fuzzing the entry writers.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <ctime>
#include <functional>
#include <random>
#include <tuple>

#include "support/document_fixture.h"
#include "support/dom_helpers.h"
#include "support/golden.h"
#include "vdxml/geodesy.h"

namespace {

using Format = VDXML_PARSE_NODEDATA::enmFormat;
const double kNaN = NAN, kInf = INFINITY;

// Calendar fields move to the next whole second through the local calendar: pin the zone.
const bool kUtc = [] { return setenv("TZ", "UTC", 1) == 0 && (tzset(), true); }();

// The readers' conversion of an entry's text, opened for the test.
struct Reader : CVdXmlNodeBase {
    using CVdXmlNodeBase::AssignValue;
};
template <class T>
T As(const _bstr_t& text, Format format = Format::fmtDouble) {
    T value{};
    EXPECT_EQ(Reader::AssignValue(text, format, &value), S_OK);
    return value;
}

// A document with the element "Application/Probe" to write entries into.
struct Probe {
    explicit Probe(IVdXmlDoc::enmDocType type = IVdXmlDoc::DOCTYPE_DOM) {
        EXPECT_EQ(doc.Initialize(vdxml_test::SampleRoot(), type, path, 0), S_OK);
        EXPECT_EQ(node.Create(*doc.GetNode(CVdXmlDocument::NODE_APPLICATION), L"Probe", nullptr),
                  S_OK);
    }
    // Saves; the entries' typed values as texts, in document order, as the readers get them.
    std::vector<_bstr_t> Read() {
        EXPECT_EQ(doc.Save(), S_OK);
        std::vector<_bstr_t> texts;
        const auto dom = vdxml_test::LoadDom(path.utf8());
        IXMLDOMNodePtr entry = vdxml_test::ElementAt(dom, L"Application/Probe").Element();
        for (entry = entry ? entry->GetfirstChild() : nullptr; entry;
             entry = entry->GetnextSibling())
            texts.push_back(entry->GetnodeTypedValue().ToString());
        return texts;
    }
    vdxml_test::TempDir dir;
    _bstr_t path{dir.file("probe.xml")};
    CVdXmlDocument doc;
    CVdXmlNode node;
};

// Numbers are written with printf's fixed decimals, mostly without printf: number entries of a
// document held in memory against snprintf, for exact ties (which round to even), extremes and
// bit patterns of every magnitude.
TEST(FixedText, NumberEntriesAgreeWithPrintf) {
    Probe probe;
    auto add = [&](double value, int decimals) {
        static char text[1500];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        ASSERT_EQ(probe.node.InsertEntry(L"N", value, decimals), S_OK) << text;
        ASSERT_EQ(probe.node.GetPreviousEntry()->Element()->Gettext().utf8(), text);
    };
    for (int numerator = -64; numerator <= 64; ++numerator)
        for (int shift = 1; shift <= 10; ++shift)
            for (int decimals = 0; decimals <= 6; ++decimals)
                add(std::ldexp(numerator, -shift), decimals);
    const double largest = std::nextafter(DBL_MAX, 0.0);  // DBL_MAX itself is not written
    for (double value : {-0.0, 0.1, 5e-6, 4.9999999999999996e-6, 9007199254740993.0, DBL_MIN,
                         -DBL_TRUE_MIN, largest, -largest})
        for (int decimals : {0, 1, 5, 8, 15, 17, 30, 340, 1100}) add(value, decimals);
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> decimals(0, 20);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value) && std::fabs(value) < DBL_MAX) add(value, decimals(random));
    }
}

TEST(Entries, NumbersComeBackWithinTheirDecimals) {
    const double values[] = {0.5, 2.5, -0.0, -1234.56789, 1e300, -1.7976931348623155e308, 5e-324};
    const auto decimals = [](std::size_t i) { return static_cast<unsigned>(i * 3 % 10); };
    Probe probe;
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(probe.node.InsertEntry(L"D", values[i], decimals(i)), S_OK);
    for (double skipped : {kNaN, -kInf, DBL_MAX, -DBL_MAX})  // not strictly within DBL_MAX
        EXPECT_EQ(probe.node.InsertEntry(L"D", skipped, 2), S_FALSE);
    EXPECT_EQ(probe.node.InsertEntry(L"F", 0.1f, 9), S_OK);          // floats widened to double
    EXPECT_EQ(probe.node.InsertEntry(L"D", 1.0 / 3.0, 5000), S_OK);  // 1100 decimals at most
    EXPECT_EQ(CVdXmlNode().InsertEntry(L"D", 1L),
              E_FAIL);  // no document, or no element, to write into
    EXPECT_EQ(CVdXmlNode(static_cast<const CVdXmlNodeBase&>(probe.node)).InsertEntry(L"D", 1L),
              E_FAIL);
    const long longs[] = {-42, 2147483648L, -4294967297L};  // 32-bit fields: modulo 2^32
    for (long value : longs) EXPECT_EQ(probe.node.InsertEntry(L"L", value), S_OK);
    const std::vector<_bstr_t> read = probe.Read();
    ASSERT_EQ(read.size(), std::size(values) + 5);
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_NEAR(As<double>(read[i]), values[i],
                    0.5 * std::pow(10.0, -1.0 * decimals(i)) + std::fabs(values[i]) * 1e-16);
    auto next = read.begin() + std::size(values);
    EXPECT_NEAR(As<double>(*next++), 0.1, 1e-9);
    EXPECT_EQ((next++)->length(), 2u + 1100u);
    for (long value : longs)
        EXPECT_EQ(As<std::int32_t>(*next++, Format::fmtLong), static_cast<std::int32_t>(value));
}

TEST(Entries, DateTimesComeBackAsTheSameInstant) {
    // Modified Julian Dates from year 490 to 7300, also close to both ends of a day, and OLE
    // dates, which count days from MJD 15018 (before it the time of day away from zero).
    // The edges hold 29 February 2000 and 2004, 28 February 1900, which no leap day follows, and
    // the last minutes of 31 December 9999.
    const double mjdEdges[] = {-0.25, 0.0, 51603.5, 53064.5, 59999.5, 53736.99999999},
                 oleEdges[] = {-1.25, 0.75, 60.5, 0.0, -657434, 2958465.999};
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> days(-500000, 1999990), oleDays(-657434, 2958465.999),
        part(0, 1);
    Probe probe;
    std::vector<double> expected;  // the MJD of each entry, read back within the seconds' decimals
    for (int i = 0; i < 300; ++i) {
        const double mjd =
            i < 6 ? mjdEdges[i] : std::floor(days(random)) + (i % 3 ? part(random) : 1 - 1e-11);
        const double ole = i < 6 ? oleEdges[i] : oleDays(random), day = std::trunc(ole);
        ASSERT_EQ(probe.node.InsertEntryDateTimeMjd(L"M", mjd), S_OK);
        ASSERT_EQ(probe.node.InsertEntryDateTimeOle(L"O", ole), S_OK);
        expected.insert(expected.end(), {mjd, 15018 + day + std::fabs(ole - day)});
    }
    // Calendar fields: a fraction that would print as 60 seconds moves to the next second (here
    // into the next year), a negative one counts as 0.
    std::tm t{};
    t.tm_year = 106, t.tm_mon = 11, t.tm_mday = 31, t.tm_hour = 23, t.tm_min = 59, t.tm_sec = 59;
    for (const auto& [fraction, second] : {std::pair(0.25, 59.25), {0.99996, 60.0}, {-3.0, 59.0}}) {
        ASSERT_EQ(probe.node.InsertEntryDateTimeTm(L"T", t, fraction), S_OK);
        expected.push_back(VdXml::Mjd(2006, 12, 31, 23, 59, second));
    }
    for (double mjd : {kNaN, kInf, 2.0e6, -2.0e6})  // no calendar date: nothing written
        EXPECT_EQ(probe.node.InsertEntryDateTimeMjd(L"M", mjd), E_FAIL);
    for (double ole : {kNaN, 1e9, -657435.0})
        EXPECT_EQ(probe.node.InsertEntryDateTimeOle(L"O", ole), E_FAIL);
    const std::vector<_bstr_t> read = probe.Read();
    ASSERT_EQ(read.size(), expected.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_NEAR(As<double>(read[i], Format::fmtDateTime), expected[i], 1.5e-9) << i;
}

// Day counts to calendar days, every day of both ranges, against the proleptic Gregorian
// calendar computed independently (days since 1970-01-01 to year, month, day). The MJD
// conversion follows the astronomical algorithm, which runs a day late before 1 March 300.
struct DayCounts : CVdXmlNodeBase {
    using CVdXmlNodeBase::DateTimeFromMjd;
    using CVdXmlNodeBase::DateTimeFromOle;
};
std::tuple<long, int, int> CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d};
}
TEST(Entries, DayCountsGiveTheirCalendarDay) {
    const DayCounts counts;
    std::tm t{};
    double fraction = 0;
    auto same = [&](long unixDay) {
        const auto [year, month, day] = CivilFromDays(unixDay);
        return t.tm_year + 1900 == year && t.tm_mon + 1 == month && t.tm_mday == day &&
               t.tm_hour == 12;
    };
    long wrong = 0, first = 0;
    for (long ole = -657434; ole <= 2958465; ++ole) {  // 1 January 100 to 31 December 9999
        counts.DateTimeFromOle(ole + (ole < 0 ? -0.5 : 0.5), t, fraction);
        if (!same(ole - 25569) && wrong++ == 0) first = ole;
    }
    EXPECT_EQ(wrong, 0) << "first at OLE day " << first;
    wrong = 0;
    for (long mjd = -569309; mjd < 2000000; ++mjd) {  // 1 March 300 to about year 7300
        counts.DateTimeFromMjd(mjd + 0.5, t, fraction);
        if (!same(mjd - 40587) && wrong++ == 0) first = mjd;
    }
    EXPECT_EQ(wrong, 0) << "first at MJD " << first;
}

TEST(Entries, TimeSpansComeBackAsTheSameNumberOfDays) {
    std::mt19937_64 random(9);
    std::uniform_real_distribution<double> days(-20000.0, 20000.0);
    std::vector<double> spans = {-0.0, 1.5, -1.0 / 24, 0.999999999, 0.9999999999, -0.9999999999};
    while (spans.size() < 200) spans.push_back(days(random));
    Probe probe;
    for (double span : spans) ASSERT_EQ(probe.node.InsertEntryTimeSpanMjd(L"S", span), S_OK);
    for (double span : {kNaN, -kInf, 1e16})
        EXPECT_EQ(probe.node.InsertEntryTimeSpanMjd(L"S", span), S_FALSE);
    const std::vector<_bstr_t> texts = probe.Read();
    ASSERT_EQ(texts.size(), spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {  // "[-]PnDTnHnMn.nnnnS", each field in range
        double d = 0, h = 0, m = 0, s = 0;
        const bool negative = texts[i].c_str()[0] == L'-';
        ASSERT_EQ(std::swscanf(texts[i].c_str() + negative, L"P%lfDT%lfH%lfM%lfS", &d, &h, &m, &s),
                  4);
        EXPECT_TRUE(h < 24 && m < 60 && s < 60) << texts[i].utf8();
        EXPECT_NEAR((negative ? -1 : 1) * (d + h / 24 + m / 1440 + s / 86400), spans[i],
                    6e-10 + std::fabs(spans[i]) * 1e-15)
            << texts[i].utf8();
    }
}

TEST(Entries, SharedRecordsAsTheGoldenFile) {
    VDXML_ERROR error;
    error.Code = -3;
    VDXML_WARNING warning;
    warning.Description = L"low battery";
    VDXML_TIMESPAN startEnd, endSpan, startSpan;
    startEnd.Start = startSpan.Start = endSpan.End = 53853.5, startEnd.End = 53855.0;
    endSpan.Span = 0.25, startSpan.Span = 1.0 / 24;
    static const VdXmlEnumText kTexts[] = {{1, L"One"}};
    const std::list<VDXML_ATTRIBUTE> unit{{L"unit", _variant_t(L"m")}, {L"", _variant_t(L"x")}};
    Probe probe;
    CVdXmlNode& n = probe.node;
    // Texts pass through the single-byte code page: what it lacks becomes "?"; control
    // characters, DEL, the soft hyphen and its unassigned bytes become blanks.
    for (const wchar_t* text :
         {L"x < y & z > \"q\" 'r'", L"360\u00B0 \u20AC\u0152", L"\u03B1\U0001D11E.",
          L"a\tb\n\x7F\u00AD\u0081\u008D\u008F\u0090\u009D."})
        EXPECT_EQ(n.InsertEntry(L"Text", text), S_OK);
    // A refused record writes nothing, the first refused span ends the spans, an enumerated
    // code without a text fails after its number.
    const std::vector<long> statuses = {
        n.InsertItemName({L"", L"note only"}),
        n.InsertItemName({L"P1", L"first"}),
        n.InsertError(L"Err", VDXML_ERROR()),
        n.InsertError(L"Err", error),
        n.InsertWarning(L"Warn", warning),
        n.InsertMinMax(L"Range", {kNaN, 2.0}, 2),
        n.InsertMinMax(L"NoRange", {kNaN, kInf}, 2),
        n.InsertVersion(VDXML_VERSION()),
        n.InsertTimeSpan(L"TS", {startEnd, endSpan, startSpan, VDXML_TIMESPAN(), startEnd}),
        n.InsertEnumerated(L"Code", 7UL, kTexts),
        n.InsertEntryDateTimeMjd(L"Marked", 53853.5, &unit)};
    EXPECT_EQ(statuses, (std::vector<long>{E_FAIL, S_OK, E_FAIL, S_OK, S_OK, S_OK, S_FALSE, E_FAIL,
                                           E_FAIL, E_FAIL, S_OK}));
    ASSERT_EQ(probe.doc.Save(), S_OK);
    vdxml_test::ExpectGolden(probe.path.utf8(), "base/records");
}

// Regressions found by fuzzing the entry writers, on both back ends: each row writes one entry
// and gives its text in the file, or null for an entry that must be refused.
TEST(Entries, FuzzFindingsOnBothBackEnds) {
    std::tm largest{};
    largest.tm_year = largest.tm_mon = INT_MAX, largest.tm_mday = 5;
    const std::pair<std::function<long(const CVdXmlNode&)>, const char*> rows[] = {
        // A date before the epoch had a negative time of day, an instant a hair before midnight
        // was written as hour 24, a name holding NUL passed the name check (and the streaming
        // writer wrote the NUL), the largest year and month overflowed int.
        {[](auto& n) { return n.InsertEntryDateTimeMjd(L"T", -1.75); }, "1858-11-15T06:00:00.0000"},
        {[](auto& n) { return n.InsertEntryDateTimeMjd(L"T", 60000 - 1e-12); },
         "2023-02-25T00:00:00.0000"},
        {[](auto& n) { return n.InsertEntry(std::wstring(L"T\0x", 3), L"v"); }, nullptr},
        {[&](auto& n) { return n.InsertEntryDateTimeTm(L"T", largest, 0.25); },
         "2147485547-2147483648-05T00:00:00.2500"},
    };
    for (const IVdXmlDoc::enmDocType type : {IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM}) {
        Probe probe(type);
        std::vector<std::string> expected, written;
        for (const auto& [write, text] : rows) {
            long status = E_UNEXPECTED;
            try {
                status = write(probe.node);
            } catch (const _com_error& e) {  // the streaming writer raises the engine's refusal
                status = e.Error();
            }
            EXPECT_EQ(status == S_OK, text != nullptr)
                << (text ? text : "NUL") << ", type " << type;
            if (text) expected.push_back(text);
        }
        ASSERT_EQ(probe.doc.Save(), S_OK);
        const auto tree = vdxml_test::LoadXmlTree(probe.path.utf8());  // throws unless well-formed
        for (const auto& entry : tree.child("Application")->child("Probe")->children)
            written.push_back(entry.text);
        EXPECT_EQ(written, expected) << "type " << type;
    }
}

}  // namespace

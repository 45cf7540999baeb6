// Date-times and time spans as entry texts.
#include <cmath>
#include <cstdio>
#include <ctime>
#include <list>

#include "vdxml/node.h"

namespace {
// Dates outside these ranges have no calendar representation in the conversions below.
constexpr double kMjdLimit = 2.0e6;             // about year 7300 either side of 1858
constexpr double kOleLowest = -657434.0;        // 1 January 100
constexpr double kOleHighest = 2958465.999999;  // 31 December 9999

bool MjdInRange(double mjd) { return std::isfinite(mjd) && std::fabs(mjd) < kMjdLimit; }
bool OleInRange(double ole) {
    return std::isfinite(ole) && ole >= kOleLowest && ole <= kOleHighest;
}

const int kMonthDays[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

std::list<VDXML_ATTRIBUTE> WithDateTime(const std::list<VDXML_ATTRIBUTE>* attrs) {
    std::list<VDXML_ATTRIBUTE> all = CVdXmlNode::m_listAttrDateTime;
    if (attrs) all.insert(all.end(), attrs->begin(), attrs->end());
    return all;
}
}  // namespace

void CVdXmlNodeBase::DateTimeFromMjd(double mjd, tm& t, double& fraction) const {
    t = tm{};
    // The day and the fraction of it, within [0, 1) also before the epoch (fmod alone gives a
    // negative time of day there). A fraction that would print as the 24th hour, after the
    // half-microsecond bias below, belongs to the start of the next day.
    double day = std::floor(mjd);
    double f = mjd - day;
    if (f * 86400.0 + 5e-07 >= 86400.0) {
        day += 1.0;
        f = 0.0;
    }
    const double z = day + 1.0 + 2400000.0;
    const int alpha = static_cast<int>((z - 1867216.25) / 36524.25);
    const double b = z - 1720995.0 + alpha + 1.0 - (alpha >> 2);
    const int c = static_cast<int>((b - 122.1) / 365.25);
    t.tm_year = c;
    const double g = b - (365.25 * c - std::fmod(365.25 * c, 1.0));
    const int e = static_cast<int>(g / 30.6001);
    t.tm_mday = static_cast<int>(g - static_cast<int>(30.6001 * e) + f);
    int month = e - 1;
    if (month > 12) month = e - 13;
    if (month == 1 || month == 2) t.tm_year += 1;
    const double x = f * 86400.0 + 5e-07;
    fraction = std::fmod(x, 1.0);
    const int s = static_cast<int>(x - fraction);
    t.tm_hour = s / 3600;
    t.tm_min = (s % 3600) / 60;
    t.tm_sec = s % 60;
    t.tm_year -= 1900;
    t.tm_mon = month - 1;
}

void CVdXmlNodeBase::DateTimeFromOle(double oleDate, tm& t, double& fraction) const {
    // The exact fraction of the second is kept: no half-second rounding is applied, so
    // 12:00:00 stays 12:00:00.0000 in the written text.
    t = tm{};
    const long days = static_cast<long>(oleDate);
    const double absolute = std::fabs(oleDate);
    const double x = (absolute - std::floor(absolute)) * 86400.0;
    const long s = static_cast<long>(x);
    fraction = x - static_cast<double>(s);

    long dayNumber = days + 693959;  // days since 1 January of year 0
    const long n400Years = dayNumber / 146097;
    dayNumber %= 146097;
    const long n400Century = (dayNumber - 1) / 36524;
    long n4Years, n4Day;
    bool leap4 = true;
    if (n400Century != 0) {
        dayNumber = (dayNumber - 1) % 36524;
        n4Years = (dayNumber + 1) / 1461;
        if (n4Years != 0) {
            n4Day = (dayNumber + 1) % 1461;
        } else {
            leap4 = false;
            n4Day = dayNumber;
        }
    } else {
        n4Years = dayNumber / 1461;
        n4Day = dayNumber % 1461;
    }
    long n4Year;
    if (leap4) {
        n4Year = (n4Day - 1) / 365;
        if (n4Year != 0) n4Day = (n4Day - 1) % 365;
    } else {
        n4Year = n4Day / 365;
        n4Day %= 365;
    }
    const long year = n400Years * 400 + n400Century * 100 + n4Years * 4 + n4Year;
    int month = 0, mday = 0;
    bool done = false;
    if (n4Year == 0 && leap4) {
        if (n4Day == 59) {  // 29 February
            month = 2;
            mday = 29;
            done = true;
        } else if (n4Day >= 60) {
            --n4Day;
        }
    }
    if (!done) {
        ++n4Day;
        for (month = static_cast<int>(n4Day >> 5) + 1; month < 12 && n4Day > kMonthDays[month];
             ++month) {
        }
        mday = static_cast<int>(n4Day - kMonthDays[month - 1]);
    }
    t.tm_year = static_cast<int>(year) - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = mday;
    t.tm_hour = static_cast<int>(s / 3600);
    t.tm_min = static_cast<int>((s / 60) % 60);
    t.tm_sec = static_cast<int>(s % 60);
}

long CVdXmlNode::InsertEntryDateTimeTm(const _bstr_t& name, const tm& t, double fraction,
                                       const std::list<VDXML_ATTRIBUTE>* attrs) const {
    if (!(fraction >= 0.0)) fraction = 0.0;  // also NaN
    if (fraction > 0.9999999999999998) fraction = 0.9999999999999998;
    tm when = t;
    if (1.0 - fraction <= 5e-05) {
        // The seconds would print as 60.0000: move to the next whole second instead.
        tm copy = t;
        const std::time_t seconds = std::mktime(&copy);
        if (seconds == static_cast<std::time_t>(-1)) return E_FAIL;
        const std::time_t next = seconds + 1;
        if (!localtime_r(&next, &when)) return E_FAIL;
        fraction = 0.0;
    }
    char buffer[260];
    // The caller's fields may hold any int: the year and month are widened before adding.
    std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02dT%02d:%02d:%07.4f",
                  static_cast<long long>(when.tm_year) + 1900,
                  static_cast<long long>(when.tm_mon) + 1, when.tm_mday, when.tm_hour, when.tm_min,
                  when.tm_sec + fraction);
    const std::list<VDXML_ATTRIBUTE> all = WithDateTime(attrs);
    return InsertFormatted(name, buffer, &all);
}

namespace {
// A date-time entry from a count of days, which convert turns into calendar fields and the
// fraction of a second; E_FAIL, writing nothing, when the count has no calendar date.
long InsertDayCount(const CVdXmlNode& node, const _bstr_t& name, double days, bool hasDate,
                    void (CVdXmlNodeBase::*convert)(double, tm&, double&) const,
                    const std::list<VDXML_ATTRIBUTE>* attrs) {
    if (!hasDate) return E_FAIL;
    tm t;
    double fraction = 0.0;
    (node.*convert)(days, t, fraction);
    return node.InsertEntryDateTimeTm(name, t, fraction, attrs);
}
}  // namespace

long CVdXmlNode::InsertEntryDateTimeMjd(const _bstr_t& name, double mjd,
                                        const std::list<VDXML_ATTRIBUTE>* attrs) const {
    return InsertDayCount(*this, name, mjd, MjdInRange(mjd), &CVdXmlNode::DateTimeFromMjd, attrs);
}

long CVdXmlNode::InsertEntryDateTimeOle(const _bstr_t& name, double oleDate,
                                        const std::list<VDXML_ATTRIBUTE>* attrs) const {
    return InsertDayCount(*this, name, oleDate, OleInRange(oleDate), &CVdXmlNode::DateTimeFromOle,
                          attrs);
}

long CVdXmlNode::InsertEntryTimeSpanMjd(const _bstr_t& name, double days,
                                        const std::list<VDXML_ATTRIBUTE>* attrs) const {
    if (!std::isfinite(days) || std::fabs(days) > 9.0e15) return S_FALSE;  // no span to write
    const char* sign = days < 0 ? "-" : "";
    const double a = std::fabs(days);
    long long wholeDays = static_cast<long long>(a);
    const double x = (a - std::floor(a)) * 86400.0;
    long long s = static_cast<long long>(x);
    double r = x - static_cast<double>(s);
    if (1.0 - r <= 5e-05) {
        s += 1;
        r = 0.0;
    }
    const long long sec = s % 60;
    long long hours = (s / 60) / 60;
    const long long minutes = (s / 60) % 60;
    if (hours == 24) {
        wholeDays += 1;
        hours = 0;
    }
    char buffer[260];
    std::snprintf(buffer, sizeof buffer, "%sP%lldDT%lldH%lldM%.4fS", sign, wholeDays, hours,
                  minutes, static_cast<double>(sec) + r);
    return InsertFormatted(name, buffer, attrs);
}

long CVdXmlNode::InsertEntryTimeSpanOle(const _bstr_t& name, double days,
                                        const std::list<VDXML_ATTRIBUTE>* attrs) const {
    return InsertEntryTimeSpanMjd(name, days, attrs);
}

#include "engine/ole_date.h"

#include <cmath>

namespace vdxml_engine {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads exactly `count` digits at pos.
bool ReadDigits(std::string_view text, std::size_t& pos, int count, int& value) {
    if (pos + count > text.size()) return false;
    value = 0;
    for (int i = 0; i < count; ++i) {
        char c = text[pos + i];
        if (!IsDigit(c)) return false;
        value = value * 10 + (c - '0');
    }
    pos += count;
    return true;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar.
long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

bool ParseDateTime(std::string_view text, double& oleDate) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);

    std::size_t pos = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    double fraction = 0.0;
    if (!ReadDigits(text, pos, 4, year) || !Expect(text, pos, '-') ||
        !ReadDigits(text, pos, 2, month) || !Expect(text, pos, '-') ||
        !ReadDigits(text, pos, 2, day))
        return false;
    if (pos < text.size()) {
        if (!Expect(text, pos, 'T') || !ReadDigits(text, pos, 2, hour) || !Expect(text, pos, ':') ||
            !ReadDigits(text, pos, 2, minute))
            return false;
        if (pos < text.size() && (!Expect(text, pos, ':') || !ReadDigits(text, pos, 2, second)))
            return false;
        if (pos < text.size()) {
            if (!Expect(text, pos, '.') || pos == text.size()) return false;
            double scale = 0.1;
            for (; pos < text.size(); ++pos, scale /= 10.0) {
                if (!IsDigit(text[pos])) return false;
                fraction += (text[pos] - '0') * scale;
            }
        }
    }
    if (year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour > 23 || minute > 59 || second > 59)
        return false;

    const double days =
        static_cast<double>(DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30));
    const double timeOfDay = (hour * 3600.0 + minute * 60.0 + second + fraction) / 86400.0;
    oleDate = days >= 0 ? days + timeOfDay : days - timeOfDay;
    return true;
}

}  // namespace vdxml_engine

#include "vdxml/platform/variant.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {
// Whole part of a double; values beyond the range of long saturate instead of converting
// undefined, NaN and infinities give 0.
long DoubleToLong(double value) noexcept {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!std::isfinite(value)) return 0;
    if (value >= kTwoTo63) return std::numeric_limits<long>::max();
    if (value < -kTwoTo63) return std::numeric_limits<long>::min();
    return static_cast<long>(value);
}
}  // namespace

long _variant_t::AsLong() const noexcept {
    switch (m_type) {
        case VT_I4:
        case VT_I8:
        case VT_BOOL:
            return m_int;
        case VT_R8:
        case VT_DATE:
            return DoubleToLong(m_double);
        default:
            return 0;
    }
}

double _variant_t::AsDouble() const noexcept {
    switch (m_type) {
        case VT_I4:
        case VT_I8:
        case VT_BOOL:
            return static_cast<double>(m_int);
        case VT_R8:
        case VT_DATE:
            return m_double;
        default:
            return 0.0;
    }
}

_bstr_t _variant_t::ToString() const {
    wchar_t buffer[64];
    switch (m_type) {
        case VT_EMPTY:
            return _bstr_t();
        case VT_BSTR:
            return m_text;
        case VT_I4:
        case VT_I8:
            std::swprintf(buffer, 64, L"%ld", m_int);
            return _bstr_t(buffer);
        case VT_BOOL:
            return _bstr_t(m_int ? L"true" : L"false");
        case VT_R8:
            std::swprintf(buffer, 64, L"%.17g", m_double);
            return _bstr_t(buffer);
        case VT_DATE:
            return FormatDate(m_double);
        default:
            throw _com_error(E_INVALIDARG);
    }
}

_bstr_t _variant_t::FormatDate(double oleDate) {
    // Through the last day of year 9999 with its time of day, as far as a writer may write.
    if (!std::isfinite(oleDate) || std::fabs(oleDate) >= 2958466.0) throw _com_error(E_INVALIDARG);
    // OLE dates count days from 30 December 1899; before that day the time of day is the
    // absolute value of the fraction. Work in whole ten-thousandths of a second so that
    // rounding can never print 60 seconds.
    const double dayPart = std::trunc(oleDate);
    double ticks = std::round(std::fabs(oleDate - dayPart) * 864000000.0);
    long day = static_cast<long>(dayPart);
    if (ticks >= 864000000.0) {
        ticks -= 864000000.0;
        ++day;
    }
    // Civil date of the day through its Julian Day Number (proleptic Gregorian calendar).
    const long jdn = day + 2415019;  // Julian Day Number of that day
    long a = jdn + 32044;
    long b = (4 * a + 3) / 146097;
    long c = a - 146097 * b / 4;
    long d = (4 * c + 3) / 1461;
    long e = c - 1461 * d / 4;
    long m = (5 * e + 2) / 153;
    const long mday = e - (153 * m + 2) / 5 + 1;
    const long month = m + 3 - 12 * (m / 10);
    const long year = 100 * b + d - 4800 + m / 10;

    const auto t = static_cast<long long>(ticks);
    const long long secondsOfDay = t / 10000;
    const long hour = static_cast<long>(secondsOfDay / 3600);
    const long minute = static_cast<long>((secondsOfDay / 60) % 60);
    const long second = static_cast<long>(secondsOfDay % 60);
    long fraction = static_cast<long>(t % 10000);

    wchar_t buffer[96];
    int n = std::swprintf(buffer, 96, L"%ld.%ld.%ld %ld:%02ld:%02ld", mday, month, year, hour,
                          minute, second);
    if (fraction > 0 && n > 0) {
        wchar_t digits[8];
        std::swprintf(digits, 8, L"%04ld", fraction);
        int len = 4;
        while (len > 0 && digits[len - 1] == L'0') --len;
        digits[len] = L'\0';
        std::swprintf(buffer + n, 96 - n, L".%ls", digits);
    }
    return _bstr_t(buffer);
}

// Reading durations back into days.
#include "elements/observations/duration_text.h"

#include <cmath>

namespace vdxml_observations {
namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

// Reads "digits[.digits]" at pos into value; false when no digit is there.
bool ReadNumber(std::wstring_view text, std::size_t& pos, double& value) {
    const std::size_t start = pos;
    double whole = 0.0;
    while (pos < text.size() && IsDigit(text[pos])) whole = whole * 10.0 + (text[pos++] - L'0');
    bool digits = pos > start;
    if (pos < text.size() && text[pos] == L'.') {
        ++pos;
        double scale = 0.1;
        while (pos < text.size() && IsDigit(text[pos])) {
            whole += (text[pos++] - L'0') * scale;
            scale /= 10.0;
            digits = true;
        }
    }
    value = whole;
    return digits;
}

// Reads the components of one part of the duration (date or time), each a number followed by
// one of the designators in order; adds them to seconds with their length in seconds.
bool ReadPart(std::wstring_view text, std::size_t& pos, const wchar_t* designators,
              const double* lengths, double& seconds, bool& any) {
    std::size_t next = 0;  // designators before this one are used up
    while (pos < text.size() && (IsDigit(text[pos]) || text[pos] == L'.')) {
        double value = 0.0;
        if (!ReadNumber(text, pos, value) || pos >= text.size()) return false;
        std::size_t i = next;
        while (designators[i] && designators[i] != text[pos]) ++i;
        if (!designators[i]) return false;  // unknown or out of order
        seconds += value * lengths[i];
        next = i + 1;
        ++pos;
        any = true;
    }
    return true;
}

}  // namespace

bool DaysFromDuration(std::wstring_view text, double& days) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::size_t pos = 0;
    const bool negative = pos < text.size() && text[pos] == L'-';
    if (negative) ++pos;
    if (pos >= text.size() || text[pos] != L'P') return false;
    ++pos;

    // Summed in seconds and divided once, so that whole hours and minutes give exact days.
    static const double kDay[] = {86400.0};
    static const double kTime[] = {3600.0, 60.0, 1.0};
    double total = 0.0;
    bool any = false;
    if (!ReadPart(text, pos, L"D", kDay, total, any)) return false;
    if (pos < text.size() && text[pos] == L'T') {
        ++pos;
        bool anyTime = false;
        if (!ReadPart(text, pos, L"HMS", kTime, total, anyTime) || !anyTime) return false;
        any = true;
    }
    if (pos != text.size() || !any || !std::isfinite(total)) return false;
    days = (negative ? -total : total) / 86400.0;
    return true;
}

}  // namespace vdxml_observations

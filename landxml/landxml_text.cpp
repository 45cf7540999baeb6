#include "landxml/landxml_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "vdxml/geodesy.h"

namespace vdxml_landxml {
namespace {
constexpr long long kUnixEpochMjd = 40587;  // 1970-01-01

struct Civil {
    long long year, month, day, seconds;
};

// The civil date of whole days since 1970-01-01 (proleptic Gregorian) and the second of day.
std::optional<Civil> ToCivil(double mjd) {
    if (!std::isfinite(mjd) || mjd < -678575.0 || mjd > 2973483.0) return std::nullopt;
    const long long total = std::llround(mjd * 86400.0);
    const long long dayNumber = (total >= 0 ? total : total - 86399) / 86400;
    const long long z = dayNumber - kUnixEpochMjd + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    Civil c;
    c.day = doy - (153 * mp + 2) / 5 + 1;
    c.month = mp < 10 ? mp + 3 : mp - 9;
    c.year = yoe + era * 400 + (c.month <= 2);
    c.seconds = total - dayNumber * 86400;
    if (c.year < 1 || c.year > 9999) return std::nullopt;
    return c;
}

bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
    if (text.size() < at + count) return false;
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}
}  // namespace

std::string Fixed(double value, int decimals) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
    return text;
}

std::string DateText(double mjd) {
    const auto c = ToCivil(mjd);
    if (!c) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(c->year),
                  static_cast<int>(c->month), static_cast<int>(c->day));
    return text;
}

std::string TimeText(double mjd) {
    const auto c = ToCivil(mjd);
    if (!c) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(c->seconds / 3600),
                  static_cast<int>(c->seconds / 60 % 60), static_cast<int>(c->seconds % 60));
    return text;
}

std::string DateTimeText(double mjd) {
    const std::string date = DateText(mjd);
    return date.empty() ? date : date + "T" + TimeText(mjd);
}

double NowMjd() {
    return static_cast<double>(kUnixEpochMjd) + static_cast<double>(std::time(nullptr)) / 86400.0;
}

std::optional<double> ParseDateTime(std::string_view text) {
    text = Trimmed(text);
    int year, month, day, hour, minute, second;
    if (!Digits(text, 0, 4, year) || text.size() < 19 || text[4] != '-' ||
        !Digits(text, 5, 2, month) || text[7] != '-' || !Digits(text, 8, 2, day) ||
        text[10] != 'T' || !Digits(text, 11, 2, hour) || text[13] != ':' ||
        !Digits(text, 14, 2, minute) || text[16] != ':' || !Digits(text, 17, 2, second))
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 24 || minute > 59 || second > 59)
        return std::nullopt;
    double fraction = 0.0;
    std::size_t at = 19;
    if (at < text.size() && text[at] == '.') {
        const std::size_t end = text.find_first_not_of("0123456789", at + 1);
        const std::string digits(text.substr(at, end == std::string_view::npos ? end : end - at));
        fraction = std::strtod(digits.c_str(), nullptr);
        at = end == std::string_view::npos ? text.size() : end;
    }
    const std::string_view zone = text.substr(at);
    if (!zone.empty() && zone != "Z" &&
        !(zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':'))
        return std::nullopt;
    return VdXml::Mjd(year, month, day, hour, minute, second + fraction);
}

std::optional<double> ParseNumber(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace vdxml_landxml

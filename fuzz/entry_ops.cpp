#include "entry_ops.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "vdxml/platform/bstr.h"

namespace vdxml_fuzz {
namespace {

// ---- decoding ----

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_pos >= m_size; }
    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::uint64_t Unsigned(int bytes) {
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(Byte()) << (8 * i);
        return value;
    }
    double Double() {
        const std::uint64_t bits = Unsigned(8);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    float Single() {
        const auto bits = static_cast<std::uint32_t>(Unsigned(4));
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // Characters of three bytes: the whole Unicode range and beyond, surrogates included.
    std::wstring Text(std::size_t length) {
        std::wstring text;
        for (std::size_t i = 0; i < length && !Empty(); ++i)
            text.push_back(static_cast<wchar_t>(Unsigned(3)));
        return text;
    }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

void PutUnsigned(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
void PutDouble(std::string& out, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    PutUnsigned(out, bits, 8);
}
void PutText(std::string& out, const std::wstring& text) {
    out.push_back(static_cast<char>(text.size()));
    for (wchar_t c : text) PutUnsigned(out, static_cast<std::uint32_t>(c), 3);
}

// ---- checking texts ----

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [-]digits[.digits], with exactly `decimals` digits after the point (and no point for 0).
bool IsFixed(const std::string& text, unsigned decimals) {
    std::size_t i = text[0] == '-' ? 1 : 0;
    const std::size_t intStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == intStart) return false;
    if (decimals == 0) return i == text.size();
    if (i >= text.size() || text[i] != '.') return false;
    const std::size_t fraction = text.size() - i - 1;
    for (++i; i < text.size(); ++i)
        if (!IsDigit(text[i])) return false;
    return fraction == decimals;
}

double Ulp(double value) {
    const double a = std::fabs(value);
    return std::nextafter(a, INFINITY) - a;
}

// A fixed-point text of value with the given decimals: the format, and the number it reads
// back as within half a unit of the last decimal (the conversion's rounding aside).
bool IsFixedNumber(const std::string& text, double value, unsigned precision) {
    const unsigned decimals = precision < 1100 ? precision : 1100;
    if (text.empty() || !IsFixed(text, decimals)) return false;
    const double read = std::strtod(text.c_str(), nullptr);
    const double half = decimals <= 330 ? 0.5 * std::pow(10.0, -static_cast<double>(decimals)) : 0;
    return std::fabs(read - value) <= half * (1 + 1e-9) + 2 * Ulp(value);
}

bool ReadInt(const std::string& text, std::size_t from, std::size_t count, int& value) {
    if (from + count > text.size()) return false;
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!IsDigit(text[i])) return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// "[-]YYYY-MM-DDThh:mm:ss.ssss" with every field in its calendar range.
bool IsDateTime(const std::string& text) {
    const std::size_t t = text.find('T');
    if (t == std::string::npos || t < 10 || text.size() != t + 14) return false;
    const std::size_t yearDigits = t - 6 - (text[0] == '-' ? 1 : 0);
    int year, month, day, hour, minute, second, fraction;
    if (!ReadInt(text, text[0] == '-' ? 1 : 0, yearDigits, year) || yearDigits < 3) return false;
    if (text[t - 6] != '-' || text[t - 3] != '-') return false;
    if (!ReadInt(text, t - 5, 2, month) || !ReadInt(text, t - 2, 2, day)) return false;
    if (text[t + 3] != ':' || text[t + 6] != ':' || text[t + 9] != '.') return false;
    if (!ReadInt(text, t + 1, 2, hour) || !ReadInt(text, t + 4, 2, minute) ||
        !ReadInt(text, t + 7, 2, second) || !ReadInt(text, t + 10, 4, fraction))
        return false;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour <= 23 && minute <= 59 &&
           second <= 59;
}

// "[-]PnDTnHnMn.nnnnS" with hours, minutes and seconds within their units, adding up to days.
bool IsTimeSpan(const std::string& text, double days) {
    const bool negative = !text.empty() && text[0] == '-';
    if (negative != (days < 0) && std::fabs(days) != 0) return false;
    long long whole = 0, hours = 0, minutes = 0;
    double seconds = 0;
    int consumed = 0;
    const char* start = text.c_str() + (negative ? 1 : 0);
    if (std::sscanf(start, "P%lldDT%lldH%lldM%lfS%n", &whole, &hours, &minutes, &seconds,
                    &consumed) != 4 ||
        start + consumed != text.c_str() + text.size())
        return false;
    const char* point = std::strrchr(text.c_str(), '.');
    if (!point || std::strlen(point) != 6) return false;  // four decimals and the 'S'
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds >= 60)
        return false;
    const double a = std::fabs(days);
    const double carried = static_cast<double>(whole) - std::floor(a);  // 0, or 1 when rounded up
    if (carried != 0 && carried != 1) return false;
    const double written =
        carried * 86400.0 + static_cast<double>(hours * 3600 + minutes * 60) + seconds;
    return std::fabs(written - (a - std::floor(a)) * 86400.0) <= 1.1e-4;
}

// The cleaned text: the same length, printable ASCII kept, control characters as spaces,
// and nothing left that the code page cannot carry or that XML cannot hold.
bool IsCleaned(const std::wstring& written, const std::wstring& given) {
    if (written.size() != given.size()) return false;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const auto in = static_cast<std::uint32_t>(given[i]);
        const auto out = static_cast<std::uint32_t>(written[i]);
        if (out < 0x20 || (out >= 0x7F && out <= 0x9F) || out == 0xAD) return false;
        if (in >= 0x20 && in < 0x7F && out != in) return false;
        if (in < 0x20 && out != ' ') return false;
        if (out != in && out != ' ' && out != '?') return false;
    }
    return true;
}

bool MjdInRange(double mjd) { return std::isfinite(mjd) && std::fabs(mjd) < 2.0e6; }
bool OleInRange(double ole) {
    return std::isfinite(ole) && ole >= -657434.0 && ole <= 2958465.999999;
}

}  // namespace

std::string EntryOp::Name() const {
    return kind == kNamedText ? WideToUtf8(text) : "e" + std::to_string(index);
}

std::vector<EntryOp> DecodeEntryOps(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    std::vector<EntryOp> ops;
    while (!in.Empty() && ops.size() < kMaxEntryOps) {
        EntryOp op;
        op.index = static_cast<int>(ops.size());
        op.kind = static_cast<EntryOp::Kind>(in.Byte() % EntryOp::kKindCount);
        switch (op.kind) {
            case EntryOp::kText:
                op.text = in.Text(in.Byte() % 64);
                break;
            case EntryOp::kNamedText:
                op.text = in.Text(in.Byte() % 16);
                for (wchar_t& c : op.text)
                    if (c == L':') c = L'_';
                break;
            case EntryOp::kDouble:
                op.number = in.Double();
                op.precision = static_cast<unsigned>(in.Unsigned(2));
                break;
            case EntryOp::kFloat:
                op.single = in.Single();
                op.precision = static_cast<unsigned>(in.Unsigned(2));
                break;
            case EntryOp::kLong:
            case EntryOp::kUnsignedLong:
                op.integer = in.Unsigned(8);
                break;
            case EntryOp::kByte:
                op.integer = in.Byte();
                break;
            case EntryOp::kDateTimeTm:
                op.when.tm_year = static_cast<int>(in.Unsigned(4));
                op.when.tm_mon = static_cast<int>(in.Unsigned(4));
                op.when.tm_mday = static_cast<int>(in.Unsigned(4));
                op.when.tm_hour = static_cast<int>(in.Unsigned(4));
                op.when.tm_min = static_cast<int>(in.Unsigned(4));
                op.when.tm_sec = static_cast<int>(in.Unsigned(4));
                op.number = in.Double();
                break;
            default:  // the date-times and time spans of a number of days
                op.number = in.Double();
                break;
        }
        ops.push_back(op);
    }
    return ops;
}

std::string EncodeEntryOps(const std::vector<EntryOp>& ops) {
    std::string out;
    for (const EntryOp& op : ops) {
        out.push_back(static_cast<char>(op.kind));
        switch (op.kind) {
            case EntryOp::kText:
            case EntryOp::kNamedText:
                PutText(out, op.text);
                break;
            case EntryOp::kDouble:
                PutDouble(out, op.number);
                PutUnsigned(out, op.precision, 2);
                break;
            case EntryOp::kFloat: {
                std::uint32_t bits;
                std::memcpy(&bits, &op.single, sizeof bits);
                PutUnsigned(out, bits, 4);
                PutUnsigned(out, op.precision, 2);
                break;
            }
            case EntryOp::kLong:
            case EntryOp::kUnsignedLong:
                PutUnsigned(out, op.integer, 8);
                break;
            case EntryOp::kByte:
                PutUnsigned(out, op.integer, 1);
                break;
            case EntryOp::kDateTimeTm:
                for (int field : {op.when.tm_year, op.when.tm_mon, op.when.tm_mday, op.when.tm_hour,
                                  op.when.tm_min, op.when.tm_sec})
                    PutUnsigned(out, static_cast<std::uint32_t>(field), 4);
                PutDouble(out, op.number);
                break;
            default:
                PutDouble(out, op.number);
                break;
        }
    }
    return out;
}

long Apply(const CVdXmlNode& node, const EntryOp& op) {
    const _bstr_t name(op.kind == EntryOp::kNamedText ? op.text : Utf8ToWide(op.Name()));
    switch (op.kind) {
        case EntryOp::kText:
            return node.InsertEntry(name, _bstr_t(op.text));
        case EntryOp::kNamedText:
            return node.InsertEntry(name, _bstr_t(L"v"));
        case EntryOp::kDouble:
            return node.InsertEntry(name, op.number, op.precision);
        case EntryOp::kFloat:
            return node.InsertEntry(name, op.single, op.precision);
        case EntryOp::kLong:
            return node.InsertEntry(name, static_cast<long>(op.integer));
        case EntryOp::kUnsignedLong:
            return node.InsertEntry(name, static_cast<unsigned long>(op.integer));
        case EntryOp::kByte:
            return node.InsertEntry(name, static_cast<unsigned char>(op.integer));
        case EntryOp::kDateTimeMjd:
            return node.InsertEntryDateTimeMjd(name, op.number);
        case EntryOp::kDateTimeOle:
            return node.InsertEntryDateTimeOle(name, op.number);
        case EntryOp::kTimeSpanMjd:
            return node.InsertEntryTimeSpanMjd(name, op.number);
        case EntryOp::kTimeSpanOle:
            return node.InsertEntryTimeSpanOle(name, op.number);
        case EntryOp::kDateTimeTm:
            return node.InsertEntryDateTimeTm(name, op.when, op.number);
        default:
            return E_FAIL;
    }
}

bool StatusAsDocumented(const EntryOp& op, long status) {
    switch (op.kind) {
        case EntryOp::kDouble: {
            const double v = op.number;
            const bool skipped = std::isnan(v) || !(v > -DBL_MAX && v < DBL_MAX);
            return status == (skipped ? S_FALSE : S_OK);
        }
        case EntryOp::kTimeSpanMjd:
        case EntryOp::kTimeSpanOle: {
            const bool skipped = !std::isfinite(op.number) || std::fabs(op.number) > 9.0e15;
            return status == (skipped ? S_FALSE : S_OK);
        }
        case EntryOp::kDateTimeMjd:
            return status == (MjdInRange(op.number) ? S_OK : E_FAIL);
        case EntryOp::kDateTimeOle:
            return status == (OleInRange(op.number) ? S_OK : E_FAIL);
        case EntryOp::kDateTimeTm:
            return status == S_OK || status == E_FAIL;
        case EntryOp::kNamedText:
            return status == S_OK || FAILED(status);
        default:  // texts and integers are always written
            return status == S_OK;
    }
}

bool TextAsDocumented(const EntryOp& op, const std::string& utf8) {
    switch (op.kind) {
        case EntryOp::kText:
            return IsCleaned(Utf8ToWide(utf8), op.text);
        case EntryOp::kNamedText:
            return utf8 == "v";
        case EntryOp::kDouble:
            return IsFixedNumber(utf8, op.number, op.precision);
        case EntryOp::kFloat:
            if (std::isnan(op.single)) return utf8 == "nan" || utf8 == "-nan";
            if (std::isinf(op.single)) return utf8 == (op.single < 0 ? "-inf" : "inf");
            return IsFixedNumber(utf8, op.single, op.precision);
        case EntryOp::kLong:
            return utf8 == std::to_string(
                               static_cast<std::int32_t>(static_cast<std::uint32_t>(op.integer)));
        case EntryOp::kUnsignedLong:
            return utf8 == std::to_string(static_cast<std::uint32_t>(op.integer));
        case EntryOp::kByte:
            return utf8 == std::to_string(static_cast<unsigned>(op.integer & 0xFF));
        case EntryOp::kDateTimeMjd:
        case EntryOp::kDateTimeOle:
            return IsDateTime(utf8);
        case EntryOp::kTimeSpanMjd:
        case EntryOp::kTimeSpanOle:
            return IsTimeSpan(utf8, op.number);
        case EntryOp::kDateTimeTm:  // any fields: only a complete text is promised
            return utf8.find('T') != std::string::npos;
        default:
            return false;
    }
}

}  // namespace vdxml_fuzz

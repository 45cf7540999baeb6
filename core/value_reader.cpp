// The table-driven walk that fills records from an element's descendants, and the conversion
// of one text into one field.
#include <langinfo.h>

#include <charconv>
#include <cwchar>
#include <string_view>

#include "core/value_text.h"
#include "engine/dom_text.h"
#include "vdxml/geodesy.h"
#include "vdxml/node.h"

VDXML_ELEMENT VDXML_ELEMENT::FromNode(const IXMLDOMNodePtr& node) {
    IXMLDOMElementPtr element;
    if (node && node->GetnodeType() == NODE_ELEMENT) element = node;
    return VDXML_ELEMENT(element);
}

long CVdXmlNodeBase::ReadValues(VDXML_ELEMENT& element, const VDXML_MAP_PARSE_NODEDATA& map) {
    return _ReadValues(element, map, 0);
}

namespace {
// The walk below an element, with the locale's decimal point asked once for the whole element.
long ReadLevel(VDXML_ELEMENT& element, const VDXML_MAP_PARSE_NODEDATA& map, int level,
               bool dotDecimal) {
    // Recursion depth is bounded by the map's deepest level, never by the document.
    const IXMLDOMElementPtr& node = element.Element();
    if (!node) return E_FAIL;
    const int childLevel = level + 1;
    for (IXMLDOMNodePtr child = node->GetfirstChild(); child; child = child->GetnextSibling()) {
        if (child->GetnodeType() != NODE_ELEMENT) continue;
        const auto row =
            map.find(VDXML_MAP_PARSE_NODEDATA::MakeKey(child->GetnodeName(), childLevel));
        if (row != map.end()) {
            const _bstr_t text = child->GetnodeTypedValue().ToString();
            if (FAILED(vdxml_core::AssignText(text, row->second.format, row->second.pData,
                                              dotDecimal)))
                return E_FAIL;
            if (row->second.pFlags) *row->second.pFlags |= row->second.flagMask;
        }
        if (childLevel < map.m_nMaxLevel && child->hasChildNodes()) {
            VDXML_ELEMENT handle = VDXML_ELEMENT::FromNode(child);
            if (FAILED(ReadLevel(handle, map, childLevel, dotDecimal))) return E_FAIL;
        }
    }
    return S_OK;
}

// The decimal texts the writers produce ("-12.34500") converted by std::from_chars, which
// rounds as wcstod does and is several times faster. Only plain texts of an optional minus,
// digits and one point take this way, and only under a locale whose decimal point is '.':
// everything else (blanks, '+', exponents, "inf", hexadecimal, trailing text) is wcstod's.
template <class Char>
bool ParsePlainDecimal(std::basic_string_view<Char> text, double& value) {
    char plain[64];
    if (text.empty() || text.size() > sizeof plain) return false;
    bool digit = false, point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Char c = text[i];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else if (c != '-' || i != 0)
            return false;
        plain[i] = static_cast<char>(c);
    }
    if (!digit) return false;
    const char* end = plain + text.size();
    const auto result = std::from_chars(plain, end, value, std::chars_format::fixed);
    return result.ec == std::errc() && result.ptr == end;
}

// Whole-number conversion as the C run time does it: leading blanks, optional sign, digits
// up to the first other character, 0 when there is none. Out-of-range values wrap as a
// 32-bit integer would.
std::int32_t Wrap32(long long value) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<unsigned long long>(value)));
}
std::int32_t ToInt32(const wchar_t* text) { return Wrap32(std::wcstoll(text, nullptr, 10)); }

bool IsAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// The integer formats from a text of ASCII characters only, where strtoll reads exactly what
// wcstoll reads from the same characters widened.
bool AssignAsciiInteger(std::string_view text, VDXML_PARSE_NODEDATA::enmFormat format, void* data) {
    if (!IsAscii(text) || text.size() >= 64) return false;
    char plain[64];
    text.copy(plain, text.size());
    plain[text.size()] = '\0';
    const std::int32_t value = Wrap32(std::strtoll(plain, nullptr, 10));
    if (format == VDXML_PARSE_NODEDATA::fmtByte)
        *static_cast<std::uint8_t*>(data) = static_cast<std::uint8_t>(value & 0xFF);
    else
        *static_cast<std::int32_t*>(data) = value;
    return true;
}
}  // namespace

long CVdXmlNodeBase::_ReadValues(VDXML_ELEMENT& element, const VDXML_MAP_PARSE_NODEDATA& map,
                                 int level) {
    return ReadLevel(element, map, level, vdxml_core::DecimalPointIsDot());
}

long CVdXmlNodeBase::AssignValue(const _bstr_t& text, VDXML_PARSE_NODEDATA::enmFormat format,
                                 void* data) {
    return vdxml_core::AssignText(text, format, data, vdxml_core::DecimalPointIsDot());
}

namespace vdxml_core {

bool DecimalPointIsDot() { return std::string_view(nl_langinfo(RADIXCHAR)) == "."; }

long AssignText(const _bstr_t& text, VDXML_PARSE_NODEDATA::enmFormat format, void* data,
                bool dotDecimal) {
    if (!data) return E_FAIL;
    switch (format) {
        case VDXML_PARSE_NODEDATA::fmtString:
            *static_cast<_bstr_t*>(data) = text;
            return S_OK;
        case VDXML_PARSE_NODEDATA::fmtDouble: {
            double& value = *static_cast<double*>(data);
            if (!dotDecimal || !ParsePlainDecimal(text.view(), value))
                value = std::wcstod(text.c_str(), nullptr);
            return S_OK;
        }
        case VDXML_PARSE_NODEDATA::fmtInt:
        case VDXML_PARSE_NODEDATA::fmtLong:
            *static_cast<std::int32_t*>(data) = ToInt32(text.c_str());
            return S_OK;
        case VDXML_PARSE_NODEDATA::fmtByte:
            *static_cast<std::uint8_t*>(data) =
                static_cast<std::uint8_t>(ToInt32(text.c_str()) & 0xFF);
            return S_OK;
        case VDXML_PARSE_NODEDATA::fmtDateTime: {
            int day = 0, month = 0, year = 0, hour = 0, minute = 0;
            float second = 0.0f;
            std::swscanf(text.c_str(), L"%d.%d.%d %d:%d:%f", &day, &month, &year, &hour, &minute,
                         &second);
            *static_cast<double*>(data) =
                VdXml::Mjd(year, month, day, hour, minute, static_cast<double>(second));
            return S_OK;
        }
        default:
            return E_FAIL;
    }
}

long AssignUtf8(std::string_view utf8, bool isDateTime, VDXML_PARSE_NODEDATA::enmFormat format,
                void* data, bool dotDecimal) {
    if (!data) return E_FAIL;
    if (!isDateTime) {
        // The common cases straight from the UTF-8 text; the rest through the wide text.
        switch (format) {
            case VDXML_PARSE_NODEDATA::fmtDouble:
                if (dotDecimal && ParsePlainDecimal(utf8, *static_cast<double*>(data))) return S_OK;
                break;
            case VDXML_PARSE_NODEDATA::fmtInt:
            case VDXML_PARSE_NODEDATA::fmtLong:
            case VDXML_PARSE_NODEDATA::fmtByte:
                if (AssignAsciiInteger(utf8, format, data)) return S_OK;
                break;
            default:
                break;
        }
    }
    return AssignText(vdxml_engine::TypedValueOfText(utf8, isDateTime).ToString(), format, data,
                      dotDecimal);
}

}  // namespace vdxml_core
